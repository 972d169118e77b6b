// The real platform starts, shows a window and runs the display on SDL's
// dummy video driver, so it is tried on machines without a screen.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "platform/sdl_platform.h"
#include "support/fake_display.h"
#include "support/temp_dir.h"
#include "ui/display.h"

namespace {

class SdlSmoke : public InTempDir {
protected:
    void SetUp() override {
        InTempDir::SetUp();
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        platform = CreateSdlPlatform();
        if (!platform) GTEST_SKIP() << "no SDL video driver available";
        SetPlatform(platform.get());
    }
    void TearDown() override {
        SetPlatform(nullptr);
        platform.reset();
        InTempDir::TearDown();
    }
    std::unique_ptr<Platform> platform;
};

TEST_F(SdlSmoke, WindowDisplayAndPumpWork) {
    Window* window = platform->CreateMainWindow("Korvessa");
    if (!window) GTEST_SKIP() << "the video driver makes no windows";
    EXPECT_EQ(platform->CreateMainWindow("Korvessa"), window) << "one window only";
    EXPECT_FALSE(window->IsMinimised());
    EXPECT_FALSE(window->IsDestroyed());

    ResetDeviceTestSeam();
    Display screen = GameDisplay(window);
    ASSERT_TRUE(screen.Setup());
    screen.ClearScreen();

    // Frames are held to about 60 a second at most.
    const uint32_t start = platform->TickCount();
    for (int i = 0; i < 10; ++i) {
        WindowMessage m;
        while (platform->PeekMessage(m)) platform->DefaultHandling(m);
        screen.Present();
    }
    EXPECT_GE(platform->TickCount() - start, 120u);

    platform->PlaySound("Sounds\\No Such Sound.wav");  // silently nothing
    const Point cursor = platform->CursorPos();
    EXPECT_GE(cursor.x, 0);
    EXPECT_LT(cursor.x, 1024);
    EXPECT_GE(cursor.y, 0);
    EXPECT_LT(cursor.y, 768);
    EXPECT_FALSE(platform->KeyHeld(VK_LEFT));
    screen.Shutdown();
}

}  // namespace
