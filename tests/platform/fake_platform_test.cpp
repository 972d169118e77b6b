// The test platform itself: scripted input arrives as the window procedure
// expects it, frame by frame, runs cannot hang, and what the game shows is
// kept. Minimising through the fake is tried with the real window procedure
// in tests/shell/input_test.cpp.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/fake_platform.h"
#include "support/temp_dir.h"
#include "ui/bmp_decode.h"

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

TEST(FakePlatform, ScriptedClicksAndKeysBecomeWindowMessages) {
    FakePlatform p;
    p.CreateMainWindow("Korvessa");
    p.Click(1000, 700);
    p.RightClick(3, 767);
    p.Type("a:\b");
    p.Key(VK_F2);
    const auto got = Drain(p);
    ASSERT_EQ(got.size(), 9u);
    EXPECT_EQ(got[0].message, WM_LBUTTONDOWN);
    EXPECT_EQ(LowWord(static_cast<uint64_t>(got[0].lParam)), 1000);
    EXPECT_EQ(HighWord(static_cast<uint64_t>(got[0].lParam)), 700);
    EXPECT_EQ(got[1].message, WM_RBUTTONDOWN);
    EXPECT_EQ(p.CursorPos(), (Point{3, 767})) << "the pointer is where it clicked";
    // Each typed byte is a key down then its character.
    const std::vector<std::pair<uint32_t, uint64_t>> keys = {
        {WM_KEYDOWN, 'A'}, {WM_CHAR, 'a'}, {WM_KEYDOWN, VK_OEM_1}, {WM_CHAR, ':'},
        {WM_KEYDOWN, VK_BACK}, {WM_CHAR, 8}, {WM_KEYDOWN, 0x71}};  // F2 makes no character
    for (size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(got[2 + i].message, keys[i].first) << i;
        EXPECT_EQ(got[2 + i].wParam, keys[i].second) << i;
    }
}

TEST(FakePlatform, StepsWaitForTheirFrameAndTheClockMovesOnlyByFramesAndSleeps) {
    FakePlatform p;
    Window* w = p.CreateMainWindow("Korvessa");
    const uint32_t start = p.TickCount();
    p.Click(10, 10, 2);
    p.HoldKey(VK_LEFT, true, 2);
    p.MoveCursor(0, 300, 2);
    p.Key(VK_ESCAPE, 27, 3);
    p.HoldKey(VK_LEFT, false, 3);
    EXPECT_TRUE(Drain(p).empty());
    PresentBlank(w);
    EXPECT_TRUE(Drain(p).empty());
    EXPECT_FALSE(p.KeyHeld(VK_LEFT));
    EXPECT_EQ(p.TickCount(), start + p.frameMs);
    PresentBlank(w);
    auto got = Drain(p);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, WM_LBUTTONDOWN);
    EXPECT_TRUE(p.KeyHeld(VK_LEFT));
    EXPECT_EQ(p.CursorPos(), (Point{0, 300}));
    PresentBlank(w);
    got = Drain(p);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[1].wParam, 27u);
    EXPECT_FALSE(p.KeyHeld(VK_LEFT));
    EXPECT_TRUE(p.ScriptDone());
    p.Sleep(30);
    p.WaitMessage(5);
    EXPECT_EQ(p.TickCount(), start + 3 * p.frameMs + 35);
}

TEST(FakePlatform, RunsThatWouldNeverEndAreClosed) {
    FakePlatform endless;
    endless.frameLimit = 3;
    Window* w = endless.CreateMainWindow("Korvessa");
    for (int i = 0; i < 3; ++i) PresentBlank(w);
    EXPECT_TRUE(w->IsDestroyed());
    const auto got = Drain(endless);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, WM_DESTROY);

    FakePlatform forgotten;  // minimised and never restored
    Window* v = forgotten.CreateMainWindow("Korvessa");
    forgotten.Minimise();
    WindowMessage m;
    bool destroyed = false;
    for (int peeks = 0; !destroyed && peeks < 1000000; ++peeks)
        if (forgotten.PeekMessage(m)) destroyed = m.message == WM_DESTROY;
    EXPECT_TRUE(destroyed);
    EXPECT_TRUE(v->IsDestroyed());
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
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(bytes.size(), 54u + 24u) << "24-bit rows of 9 bytes padded to 12";
    DecodedBitmap shot;
    ASSERT_TRUE(DecodeBmp(bytes, shot));
    EXPECT_EQ(shot.pixels, (std::vector<uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0, 0x123456}));
}

}  // namespace
