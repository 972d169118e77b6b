// Showing frames, blanking the screen, and coming back after the window was
// minimised or closed.
#include <gtest/gtest.h>

#include "display_fixture.h"
#include "platform/run_log.h"

namespace {

using Lines = std::vector<std::string>;

void Fill(DrawSurface* surface, uint32_t colour) {
    DdBltFx fx{.fillColor = colour};
    ASSERT_EQ(surface->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx), DD_OK);
}

class DisplayReady : public DisplayTest {
protected:
    void SetUp() override {
        DisplayTest::SetUp();
        ASSERT_TRUE(screen.Setup());
        StartLog("Korvessa");  // only what follows the set-up is looked at
    }
    // Takes every waiting message, as the shell's pump would, and lets the
    // window manager act on what the game leaves to it.
    void DrainMessages() {
        WindowMessage m;
        while (fake.PeekMessage(m)) fake.DefaultHandling(m);
    }
};

// The page shown before is drawn into next; a background copy takes black too (no key).
TEST_F(DisplayReady, PresentFlipsThePagesCopySurfaceTakesEverythingAndClearScreenBlanksBoth) {
    Fill(screen.backSurface, 0x00112233);
    screen.Present();
    Fill(Slot(1), 0x00000000);
    Slot(1)->Pixels()[1024 * 768 - 1] = 0x00010203;
    EXPECT_EQ(screen.CopySurface(screen.backSurface, Slot(1)), DD_OK);
    screen.Present();
    EXPECT_EQ(fake.Fake()->PixelAt(1023, 767), 0x00010203u);
    EXPECT_EQ(fake.Fake()->PixelAt(0, 0), 0u);
    EXPECT_EQ(screen.backSurface->Pixels()[0], 0x00112233u);
    screen.ClearScreen();
    EXPECT_EQ(fake.Fake()->PixelAt(1023, 767), 0u);
    EXPECT_EQ(screen.backSurface->Pixels()[0], 0u);
}

TEST_F(DisplayReady, MinimisingLosesEverySurfaceUntilTheWindowIsBack) {
    Fill(Slot(0), 0x00336699);
    EXPECT_TRUE(screen.RestoreSurfaces());
    EXPECT_EQ(Slot(0)->Pixels()[77], 0x00336699u) << "nothing lost, nothing touched";
    fake.Minimise();
    DrainMessages();
    EXPECT_EQ(Slot(2)->IsLost(), DDERR_SURFACELOST);
    EXPECT_EQ(screen.CopySurface(screen.backSurface, Slot(0)), DDERR_SURFACELOST);
    EXPECT_EQ(screen.frontSurface->Flip(nullptr, DDFLIP_WAIT), DDERR_SURFACELOST);
    EXPECT_FALSE(screen.RestoreSurfaces()) << "nothing comes back while minimised";
    EXPECT_EQ(ReadLogLines(), (Lines{"Korvessa", "Front->Restore()", "*** FAILED ***", "DDERR_WRONGMODE"}));
    fake.Restore();
    DrainMessages();
    EXPECT_TRUE(screen.RestoreSurfaces());
    for (int slot = 0; slot < 3; ++slot) EXPECT_EQ(Slot(slot)->Pixels()[77], 0u) << "pictures come back black";
    Fill(screen.backSurface, 0x00123456);
    screen.Present();
    EXPECT_EQ(fake.Fake()->PixelAt(3, 3), 0x00123456u) << "the back buffer comes back with the front";
}

// A picture that cannot come back is named by its slot, from zero; a closed
// window (SC_CLOSE, then WM_CLOSE destroys it) makes restoring fail so the screen loop ends.
TEST_F(DisplayReady, ARestoreThatFailsSaysWhy) {
    screen.Shutdown();
    DeviceTestSeam().restorePictures = DDERR_OUTOFVIDEOMEMORY;  // a fault the device is set up with
    ASSERT_TRUE(screen.Setup());
    StartLog("Korvessa");
    fake.Minimise();
    fake.Restore();
    DrainMessages();
    EXPECT_FALSE(screen.RestoreSurfaces());
    EXPECT_EQ(ReadLogLines(), (Lines{"Korvessa", "Restore Offscreen Surface 0", "*** FAILED ***", "DDERR_OUTOFVIDEOMEMORY"}));
    fake.Close();
    DrainMessages();
    EXPECT_FALSE(screen.RestoreSurfaces());
    EXPECT_EQ(ReadLogLines().back(), "DDERR_NOHWND");
}

}  // namespace
