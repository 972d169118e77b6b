// SDL's events become the messages the game's window procedure expects:
// key presses with their codes and characters, clicks in picture
// coordinates, activation with the minimised flag, one close request.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "platform/picture_fit.h"
#include "platform/sdl_parts.h"
#include "platform/sdl_platform.h"

namespace {

class SdlEvents : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        platform = CreateSdlPlatform();
        if (!platform) GTEST_SKIP() << "no SDL video driver available";
        window = static_cast<SdlWindow*>(platform->CreateMainWindow("Korvessa"));
        if (!window) GTEST_SKIP() << "the video driver makes no windows";
        Drain();  // whatever the window's creation queued
    }

    std::vector<WindowMessage> Drain() {
        std::vector<WindowMessage> out;
        WindowMessage m;
        while (platform->PeekMessage(m)) out.push_back(m);
        return out;
    }

    void Key(Uint32 type, SDL_Keycode sym, SDL_Scancode position, Uint16 mod = KMOD_NONE) {
        SDL_Event e{};
        e.type = type;
        e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.sym = sym;
        e.key.keysym.scancode = position;
        e.key.keysym.mod = mod;
        SDL_PushEvent(&e);
    }
    void Text(const char* utf8) {
        SDL_Event e{};
        e.type = SDL_TEXTINPUT;
        SDL_strlcpy(e.text.text, utf8, sizeof e.text.text);
        SDL_PushEvent(&e);
    }
    void WindowEvent(Uint8 what) {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.event = what;
        e.window.windowID = window->Id();
        SDL_PushEvent(&e);
    }

    std::unique_ptr<Platform> platform;
    SdlWindow* window = nullptr;
};

TEST_F(SdlEvents, LetterKeyThenItsCharacter) {
    Key(SDL_KEYDOWN, SDLK_a, SDL_SCANCODE_A);
    Text("a");
    const auto got = Drain();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].message, WM_KEYDOWN);
    EXPECT_EQ(got[0].wParam, uint64_t{'A'});
    EXPECT_EQ(got[1].message, WM_CHAR);
    EXPECT_EQ(got[1].wParam, uint64_t{'a'});
}

TEST_F(SdlEvents, EditingKeysMakeTheirControlCharacters) {
    const struct {
        SDL_Keycode sym;
        SDL_Scancode position;
        int vk;
        int character;
    } keys[] = {{SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, VK_BACK, 8},
                {SDLK_RETURN, SDL_SCANCODE_RETURN, VK_RETURN, 13},
                {SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, VK_ESCAPE, 27},
                {SDLK_DELETE, SDL_SCANCODE_DELETE, VK_DELETE, 127}};
    for (const auto& k : keys) {
        Key(SDL_KEYDOWN, k.sym, k.position);
        const auto got = Drain();
        ASSERT_EQ(got.size(), 2u) << k.vk;
        EXPECT_EQ(got[0].wParam, static_cast<uint64_t>(k.vk));
        EXPECT_EQ(got[1].message, WM_CHAR);
        EXPECT_EQ(got[1].wParam, static_cast<uint64_t>(k.character));
    }
    Key(SDL_KEYDOWN, SDLK_F2, SDL_SCANCODE_F2);
    const auto f2 = Drain();
    ASSERT_EQ(f2.size(), 1u) << "F2 types nothing";
    EXPECT_EQ(f2[0].wParam, 0x71u);
}

TEST_F(SdlEvents, AltEnterNeverReachesTheGame) {
    Key(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LALT);
    EXPECT_TRUE(Drain().empty());
    Key(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LALT);  // and back
    EXPECT_TRUE(Drain().empty());
}

TEST_F(SdlEvents, DigitRowOfOtherLayoutsStillPressesItsKey) {
    // The top-left digit key of a French keyboard carries '&'; shifted it types 1.
    Key(SDL_KEYDOWN, SDLK_AMPERSAND, SDL_SCANCODE_1, KMOD_LSHIFT);
    Text("1");
    const auto got = Drain();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].message, WM_KEYDOWN);
    EXPECT_EQ(got[0].wParam, uint64_t{'1'});
    EXPECT_EQ(got[1].wParam, uint64_t{'1'});
}

TEST_F(SdlEvents, AltGrTypesCharactersLikeAnyKey) {
    Key(SDL_KEYDOWN, SDLK_q, SDL_SCANCODE_Q, KMOD_RALT);
    Text("@");
    const auto got = Drain();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].message, WM_KEYDOWN);
    EXPECT_EQ(got[1].wParam, uint64_t{'@'});
    Key(SDL_KEYDOWN, SDLK_q, SDL_SCANCODE_Q, KMOD_LALT);
    const auto alt = Drain();
    ASSERT_EQ(alt.size(), 1u);
    EXPECT_EQ(alt[0].message, WM_SYSKEYDOWN);
}

TEST_F(SdlEvents, TextBeyondTheGamesCharacterSetIsDropped) {
    Text("\xC3\xA9\xE2\x82\xAC!");  // e acute, the euro sign, an exclamation mark
    const auto got = Drain();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].wParam, 0xE9u);
    EXPECT_EQ(got[1].wParam, uint64_t{'!'});
}

TEST_F(SdlEvents, HeldKeysFollowPressAndRelease) {
    Key(SDL_KEYDOWN, SDLK_LEFT, SDL_SCANCODE_LEFT);
    Drain();
    EXPECT_TRUE(platform->KeyHeld(VK_LEFT));
    EXPECT_FALSE(platform->KeyHeld(VK_RIGHT));
    Key(SDL_KEYUP, SDLK_LEFT, SDL_SCANCODE_LEFT);
    const auto got = Drain();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, WM_KEYUP);
    EXPECT_FALSE(platform->KeyHeld(VK_LEFT));
}

TEST_F(SdlEvents, ClicksArriveInPictureCoordinates) {
    int w = 0, h = 0;
    SDL_GetWindowSize(SDL_GetWindowFromID(window->Id()), &w, &h);
    const PictureViewport v = FitPicture(w, h);
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_RIGHT;
    e.button.state = SDL_PRESSED;
    e.button.windowID = window->Id();
    e.button.x = v.x + v.width / 2;
    e.button.y = v.y + v.height / 4;
    SDL_PushEvent(&e);
    const auto got = Drain();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, WM_RBUTTONDOWN);
    EXPECT_EQ(LowWord(static_cast<uint64_t>(got[0].lParam)), 512);
    EXPECT_EQ(HighWord(static_cast<uint64_t>(got[0].lParam)), 192);
    EXPECT_TRUE(platform->KeyHeld(VK_RBUTTON));
}

TEST_F(SdlEvents, MinimisingLosesTheSurfacesAndLateFocusNewsKeepsTheFlag) {
    const uint32_t losses = window->LossCount();
    WindowEvent(SDL_WINDOWEVENT_MINIMIZED);
    WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    auto got = Drain();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].message, WM_ACTIVATE);
    EXPECT_EQ(HighWord(got[0].wParam), 1);
    EXPECT_EQ(HighWord(got[1].wParam), 1) << "still minimised";
    EXPECT_TRUE(window->IsMinimised());
    EXPECT_EQ(window->LossCount(), losses + 1);
    WindowEvent(SDL_WINDOWEVENT_RESTORED);
    got = Drain();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(LowWord(got[0].wParam), int(WA_ACTIVE));
    EXPECT_EQ(HighWord(got[0].wParam), 0);
    EXPECT_FALSE(window->IsMinimised());
}

TEST_F(SdlEvents, OneCloseRequestFromTheWindowAndTheQuitThatFollows) {
    WindowEvent(SDL_WINDOWEVENT_CLOSE);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    const auto got = Drain();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, WM_SYSCOMMAND);
    EXPECT_EQ(got[0].wParam, uint64_t{SC_CLOSE});
}

TEST_F(SdlEvents, DroppedFileComesWithItsPath) {
    SDL_Event e{};
    e.type = SDL_DROPFILE;
    e.drop.file = SDL_strdup("/home/player/HOTS-GAME-01.KV1");
    e.drop.windowID = window->Id();
    SDL_PushEvent(&e);
    const auto got = Drain();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, WM_DROPFILES);
    EXPECT_EQ(got[0].text, "/home/player/HOTS-GAME-01.KV1");
}

}  // namespace
