// The real platform on SDL's dummy video driver, so it is tried on machines
// without a screen: SDL's events become the messages the game's window
// procedure expects (key presses with their codes and characters, held keys,
// clicks in picture coordinates, activation with the minimised flag, one
// close request), and its window keeps the frame rate.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "platform/picture_fit.h"
#include "platform/sdl_parts.h"
#include "platform/sdl_platform.h"

namespace {

using Messages = std::vector<std::pair<uint32_t, uint64_t>>;  // message and its wParam

SDL_Event Key(SDL_Keycode sym, SDL_Scancode position, Uint16 mod = KMOD_NONE, Uint32 type = SDL_KEYDOWN) {
    SDL_Event e{.type = type};
    e.key.keysym.sym = sym;
    e.key.keysym.scancode = position;
    e.key.keysym.mod = mod;
    return e;
}

SDL_Event Text(const char* utf8) {
    SDL_Event e{.type = SDL_TEXTINPUT};
    SDL_strlcpy(e.text.text, utf8, sizeof e.text.text);
    return e;
}

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
    Messages Translate(std::vector<SDL_Event> events) {
        for (SDL_Event& e : events) SDL_PushEvent(&e);
        Messages out;
        for (const WindowMessage& m : Drain()) out.emplace_back(m.message, m.wParam);
        return out;
    }
    SDL_Event WindowEvent(Uint8 what) {
        SDL_Event e{.type = SDL_WINDOWEVENT};
        e.window.windowID = window->Id();
        e.window.event = what;
        return e;
    }

    std::unique_ptr<Platform> platform;
    SdlWindow* window = nullptr;
};

TEST_F(SdlEvents, KeysWindowNewsAndACloseBecomeTheMessagesTheGameExpects) {
    const uint32_t losses = window->LossCount();
    const uint64_t minimised = MakeActivateWord(WA_INACTIVE, true);
    struct Case { const char* what; std::vector<SDL_Event> events; Messages expected; };
    const Case cases[] = {
        {"backspace", {Key(SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE)}, {{WM_KEYDOWN, VK_BACK}, {WM_CHAR, 8}}},
        {"escape", {Key(SDLK_ESCAPE, SDL_SCANCODE_ESCAPE)}, {{WM_KEYDOWN, VK_ESCAPE}, {WM_CHAR, 27}}},
        {"delete", {Key(SDLK_DELETE, SDL_SCANCODE_DELETE)}, {{WM_KEYDOWN, VK_DELETE}, {WM_CHAR, 127}}},
        {"F2 types nothing", {Key(SDLK_F2, SDL_SCANCODE_F2)}, {{WM_KEYDOWN, 0x71}}},
        {"Alt+Enter switches full-screen, never reaching the game", {Key(SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LALT)}, {}},
        // The top-left digit key of a French keyboard carries '&'; shifted it types 1.
        {"other layout", {Key(SDLK_AMPERSAND, SDL_SCANCODE_1, KMOD_LSHIFT), Text("1")}, {{WM_KEYDOWN, '1'}, {WM_CHAR, '1'}}},
        {"AltGr", {Key(SDLK_q, SDL_SCANCODE_Q, KMOD_RALT), Text("@")}, {{WM_KEYDOWN, 'Q'}, {WM_CHAR, '@'}}},
        {"Alt", {Key(SDLK_q, SDL_SCANCODE_Q, KMOD_LALT)}, {{WM_SYSKEYDOWN, 'Q'}}},
        // e acute, the euro sign (beyond the game's character set), an exclamation
        // mark: characters beyond the first of a key press come with a key down of their own.
        {"accents", {Text("\xC3\xA9\xE2\x82\xAC!")}, {{WM_KEYDOWN, VK_OEM_8}, {WM_CHAR, 0xE9}, {WM_KEYDOWN, VK_OEM_8}, {WM_CHAR, '!'}}},
        {"two from one key", {Key(SDLK_a, SDL_SCANCODE_A), Text("ab")}, {{WM_KEYDOWN, 'A'}, {WM_CHAR, 'a'}, {WM_KEYDOWN, VK_OEM_8}, {WM_CHAR, 'b'}}},
        {"one close request", {WindowEvent(SDL_WINDOWEVENT_CLOSE), SDL_Event{.type = SDL_QUIT}}, {{WM_SYSCOMMAND, SC_CLOSE}}},
        {"held key", {Key(SDLK_LEFT, SDL_SCANCODE_LEFT)}, {{WM_KEYDOWN, VK_LEFT}}},
        {"key let go", {Key(SDLK_RIGHT, SDL_SCANCODE_RIGHT), Key(SDLK_RIGHT, SDL_SCANCODE_RIGHT, KMOD_NONE, SDL_KEYUP)},
         {{WM_KEYDOWN, VK_RIGHT}, {WM_KEYUP, VK_RIGHT}}},
        // Minimising loses the surfaces once; focus news that comes late keeps the flag.
        {"minimise", {WindowEvent(SDL_WINDOWEVENT_MINIMIZED), WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST)},
         {{WM_ACTIVATE, minimised}, {WM_ACTIVATE, minimised}}},
        {"restore", {WindowEvent(SDL_WINDOWEVENT_RESTORED)}, {{WM_ACTIVATE, MakeActivateWord(WA_ACTIVE, false)}}},
    };
    for (const Case& c : cases) EXPECT_EQ(Translate(c.events), c.expected) << c.what;
    EXPECT_EQ(window->LossCount(), losses + 1);
    EXPECT_TRUE(platform->KeyHeld(VK_LEFT));
    EXPECT_FALSE(platform->KeyHeld(VK_RIGHT));
}

TEST_F(SdlEvents, ClicksArriveInPictureCoordinates) {
    int w = 0, h = 0;
    SDL_GetWindowSize(SDL_GetWindowFromID(window->Id()), &w, &h);
    const PictureViewport v = FitPicture(w, h);
    SDL_Event e{.type = SDL_MOUSEBUTTONDOWN};
    e.button.button = SDL_BUTTON_RIGHT;
    e.button.x = v.x + v.width / 2;
    e.button.y = v.y + v.height / 4;
    SDL_PushEvent(&e);
    const auto got = Drain();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(std::pair(got[0].message, got[0].lParam), std::pair(WM_RBUTTONDOWN, MakePositionWord(512, 192)));
}

// A flipped wheel (natural scrolling) turns the other way.
TEST_F(SdlEvents, WheelTurnsArriveAsNotchesWithTheirDirection) {
    SDL_Event e{.type = SDL_MOUSEWHEEL};
    e.wheel.y = 2;
    SDL_Event flipped = e;
    flipped.wheel.direction = SDL_MOUSEWHEEL_FLIPPED;
    EXPECT_EQ(Translate({e, flipped}),
              (Messages{{WM_MOUSEWHEEL, MakeWheelWord(2 * kWheelNotch)}, {WM_MOUSEWHEEL, MakeWheelWord(-2 * kWheelNotch)}}));
}

TEST_F(SdlEvents, ADroppedFileArrivesWithItsPath) {
    SDL_Event e{.type = SDL_DROPFILE};
    e.drop.file = SDL_strdup("/home/player/HOTS-GAME-01.KV1");
    SDL_PushEvent(&e);
    const auto got = Drain();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(std::pair(got[0].message, got[0].text), std::pair(WM_DROPFILES, std::string("/home/player/HOTS-GAME-01.KV1")));
}

// An idle screen presents a picture that has not changed, which the window
// does not upload again: even so the frames come at most sixty a second.
TEST_F(SdlEvents, OneWindowShowsAtMostSixtyFramesASecond) {
    EXPECT_EQ(platform->CreateMainWindow("Korvessa"), window) << "one window only";
    const uint32_t start = platform->TickCount();
    for (int i = 0; i < 10; ++i) window->PresentPicture(nullptr, 1024, 768, 1024);
    EXPECT_GE(platform->TickCount() - start, 120u);
}

}  // namespace
