// The test platform itself: scripted input arrives as the window procedure
// expects it, frame by frame, and what the game shows and plays is kept.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/fake_platform.h"
#include "support/temp_dir.h"

namespace {

std::vector<WindowMessage> Drain(FakePlatform& p) {
    std::vector<WindowMessage> out;
    WindowMessage m;
    while (p.PeekMessage(m)) out.push_back(m);
    return out;
}

void PresentBlank(Window* w) {
    std::vector<uint32_t> picture(1024 * 768, 0);
    w->PresentPicture(picture.data(), 1024, 768, 1024);
}

TEST(FakePlatform, ClicksCarryPictureCoordinatesInThePositionWord) {
    FakePlatform p;
    p.CreateMainWindow("Korvessa");
    p.Click(1000, 700);
    p.RightClick(3, 767);
    const auto got = Drain(p);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].message, WM_LBUTTONDOWN);
    EXPECT_EQ(LowWord(static_cast<uint64_t>(got[0].lParam)), 1000);
    EXPECT_EQ(HighWord(static_cast<uint64_t>(got[0].lParam)), 700);
    EXPECT_EQ(got[1].message, WM_RBUTTONDOWN);
    EXPECT_EQ(LowWord(static_cast<uint64_t>(got[1].lParam)), 3);
    EXPECT_EQ(HighWord(static_cast<uint64_t>(got[1].lParam)), 767);
    EXPECT_EQ(p.CursorPos(), (Point{3, 767})) << "the pointer is where it clicked";
}

TEST(FakePlatform, TypedTextIsKeyDownThenCharacterForEachByte) {
    FakePlatform p;
    p.CreateMainWindow("Korvessa");
    p.Type("a:\b");
    p.Key(VK_F2);
    const auto got = Drain(p);
    ASSERT_EQ(got.size(), 7u);
    EXPECT_EQ(got[0].message, WM_KEYDOWN);
    EXPECT_EQ(got[0].wParam, uint64_t{'A'});
    EXPECT_EQ(got[1].message, WM_CHAR);
    EXPECT_EQ(got[1].wParam, uint64_t{'a'});
    EXPECT_EQ(got[2].wParam, uint64_t(VK_OEM_1));
    EXPECT_EQ(got[3].wParam, uint64_t{':'});
    EXPECT_EQ(got[4].wParam, uint64_t(VK_BACK));
    EXPECT_EQ(got[5].wParam, 8u);
    EXPECT_EQ(got[6].message, WM_KEYDOWN) << "F2 makes no character";
    EXPECT_EQ(got[6].wParam, 0x71u);
}

TEST(FakePlatform, StepsWaitForTheirFrame) {
    FakePlatform p;
    Window* w = p.CreateMainWindow("Korvessa");
    p.Click(10, 10, 2);
    p.Key(VK_ESCAPE, 27, 3);
    EXPECT_TRUE(Drain(p).empty());
    PresentBlank(w);
    EXPECT_TRUE(Drain(p).empty());
    PresentBlank(w);
    auto got = Drain(p);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, WM_LBUTTONDOWN);
    PresentBlank(w);
    got = Drain(p);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[1].wParam, 27u);
    EXPECT_TRUE(p.ScriptDone());
}

TEST(FakePlatform, ClockMovesOnlyByFramesAndSleeps) {
    FakePlatform p;
    Window* w = p.CreateMainWindow("Korvessa");
    const uint32_t start = p.TickCount();
    EXPECT_EQ(p.TickCount(), start);
    PresentBlank(w);
    EXPECT_EQ(p.TickCount(), start + p.frameMs);
    p.Sleep(30);
    p.WaitMessage(5);
    EXPECT_EQ(p.TickCount(), start + p.frameMs + 35);
}

TEST(FakePlatform, MinimiseAndRestoreComeAsActivationWithTheMinimisedFlag) {
    FakePlatform p;
    Window* w = p.CreateMainWindow("Korvessa");
    const uint32_t losses = w->LossCount();
    p.Minimise(5);
    p.Restore(6);  // frames do not come while minimised: released once the queue runs dry
    PresentBlank(w);
    EXPECT_TRUE(Drain(p).empty());
    for (int i = 0; i < 4; ++i) PresentBlank(w);
    WindowMessage m;
    ASSERT_TRUE(p.PeekMessage(m));
    EXPECT_EQ(m.message, WM_ACTIVATE);
    EXPECT_EQ(HighWord(m.wParam), 1);
    EXPECT_TRUE(w->IsMinimised());
    EXPECT_EQ(w->LossCount(), losses + 1);
    ASSERT_TRUE(p.PeekMessage(m));
    EXPECT_EQ(m.message, WM_ACTIVATE);
    EXPECT_EQ(LowWord(m.wParam), int(WA_ACTIVE));
    EXPECT_EQ(HighWord(m.wParam), 0);
    EXPECT_FALSE(w->IsMinimised());
}

TEST(FakePlatform, ClosingGoesThroughTheSystemCommandToDestroyAndQuit) {
    FakePlatform p;
    Window* w = p.CreateMainWindow("Korvessa");
    p.Close();
    std::vector<uint32_t> seen;
    WindowMessage m;
    // A window procedure that passes close on and posts quit on destroy.
    while (p.PeekMessage(m)) {
        seen.push_back(m.message);
        if (m.message == WM_DESTROY)
            p.PostQuit(0);
        else if (m.message != WM_QUIT)
            p.DefaultHandling(m);
    }
    EXPECT_EQ(seen, (std::vector<uint32_t>{WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY, WM_QUIT}));
    EXPECT_TRUE(w->IsDestroyed());
}

TEST(FakePlatform, SoundsAreRecordedInOrder) {
    FakePlatform p;
    p.PlaySound("Sounds\\Start.wav");
    p.PlaySound("Sounds\\Buzzer.wav");
    EXPECT_EQ(p.sounds, (std::vector<std::string>{"Sounds\\Start.wav", "Sounds\\Buzzer.wav"}));
}

TEST(FakePlatform, HeldKeysAndCursorFollowTheScript) {
    FakePlatform p;
    Window* w = p.CreateMainWindow("Korvessa");
    p.HoldKey(VK_LEFT, true, 1);
    p.MoveCursor(0, 300, 1);
    p.HoldKey(VK_LEFT, false, 2);
    Drain(p);
    EXPECT_FALSE(p.KeyHeld(VK_LEFT));
    PresentBlank(w);
    Drain(p);
    EXPECT_TRUE(p.KeyHeld(VK_LEFT));
    EXPECT_EQ(p.CursorPos(), (Point{0, 300}));
    PresentBlank(w);
    Drain(p);
    EXPECT_FALSE(p.KeyHeld(VK_LEFT));
}

TEST(FakePlatform, AnEndlessRunIsStoppedByClosingTheWindow) {
    FakePlatform p;
    p.frameLimit = 3;
    Window* w = p.CreateMainWindow("Korvessa");
    for (int i = 0; i < 3; ++i) PresentBlank(w);
    EXPECT_TRUE(w->IsDestroyed());
    const auto got = Drain(p);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, WM_DESTROY);
}

TEST(FakePlatform, AMinimisedWindowNobodyRestoresIsClosedInTheEnd) {
    FakePlatform p;
    Window* w = p.CreateMainWindow("Korvessa");
    p.Minimise();
    WindowMessage m;
    int peeks = 0;
    bool destroyed = false;
    while (!destroyed && ++peeks < 1000000)
        if (p.PeekMessage(m)) destroyed = m.message == WM_DESTROY;
    EXPECT_TRUE(destroyed);
    EXPECT_TRUE(w->IsDestroyed());
}

TEST(FakePlatform, WindowCreationCanBeRefused) {
    FakePlatform p;
    p.windowCreationFails = true;
    EXPECT_EQ(p.CreateMainWindow("Korvessa"), nullptr);
    EXPECT_EQ(p.MainWindow(), nullptr);
}

using FakePicture = InTempDir;

TEST_F(FakePicture, PresentedPictureIsReadableAndSavesAsBmp) {
    FakePlatform p;
    Window* w = p.CreateMainWindow("Korvessa");
    // A 3 x 2 picture inside rows of 4 pixels.
    const uint32_t pixels[8] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xDEAD,
                                0x00FFFFFF, 0x00000000, 0xFF123456, 0xBEEF};
    w->PresentPicture(pixels, 3, 2, 4);
    EXPECT_EQ(p.Fake()->PixelAt(1, 0), 0x0000FF00u);
    EXPECT_EQ(p.Fake()->PixelAt(2, 1), 0x00123456u) << "the unused top byte is dropped";
    EXPECT_EQ(p.Fake()->PixelAt(3, 0), 0u) << "outside the picture";
    ASSERT_TRUE(p.Fake()->SavePictureBmp("shot.bmp"));
    std::ifstream in("shot.bmp", std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), {});
    // 54 bytes of headers, rows of 9 bytes padded to 12, bottom row first.
    ASSERT_EQ(bytes.size(), 54u + 24u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(bytes[18], 3);  // width
    EXPECT_EQ(bytes[22], 2);  // height
    EXPECT_EQ(bytes[28], 24);
    // Bottom row first: white, black, 0x123456 as blue, green, red.
    EXPECT_EQ(bytes[54], 0xFF);
    EXPECT_EQ(bytes[57], 0x00);
    EXPECT_EQ(bytes[60], 0x56);
    EXPECT_EQ(bytes[61], 0x34);
    EXPECT_EQ(bytes[62], 0x12);
    // Top row: red is stored as 00 00 FF.
    EXPECT_EQ(bytes[66], 0x00);
    EXPECT_EQ(bytes[68], 0xFF);
}

}  // namespace
