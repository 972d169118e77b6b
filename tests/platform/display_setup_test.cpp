// The display's start-up account in Run.log, on the good path and on every
// way it can fail.
#include <gtest/gtest.h>

#include <algorithm>

#include "display_fixture.h"
#include "platform/run_log.h"

namespace {

using Lines = std::vector<std::string>;

Lines Tail(const Lines& log, size_t count) {
    return Lines(log.end() - static_cast<std::ptrdiff_t>(std::min(count, log.size())), log.end());
}

bool Contains(const Lines& log, const std::string& line) { return std::find(log.begin(), log.end(), line) != log.end(); }

constexpr int kScreenBytes = 1024 * 768 * 4;

// A window of its own platform, already closed by the player.
Window* ClosedWindow() {
    static FakePlatform elsewhere;
    Window* window = elsewhere.CreateMainWindow("Korvessa");
    elsewhere.Fake()->Destroy();
    return window;
}

TEST_F(DisplayTest, RefusedDepthFallsBackToThirtyTwoBitsAndLogsEveryStep) {
    screen.bitsPerPixel = 8;
    ASSERT_TRUE(screen.Setup());
    const Lines expected = {
        "--- START OF DIRECTDRAW SETUP ---", "", "Designed for Direct Draw version 7.0",
        "Fullscreen Exclusive Mode", "Required Screen Size : 1024 x 768", "Requested Bits Per Pixel : 8",
        "Offscreen Surfaces : 3", "", "- - - Start Function Calls - - -", "DirectDrawCreateEx()",
        "SetCooperativeLevel()", "SetDisplayMode()", "Trying bpp set in INI file...", "*** FAILED ***",
        "Trying 32bpp...", "SUCCESS", "CreateSurface() [ Front ]", "GetAttachedSurface() [ Back ]",
        "Creating Offscreen Surface 1", "Creating Offscreen Surface 2", "Creating Offscreen Surface 3",
        "- - - End Function Calls - - -", "", "Pixel Format = 32Bits",
        "Offscreen Surface 1 resides in video memory", "Offscreen Surface 2 resides in video memory",
        "Offscreen Surface 3 resides in video memory",
        // Both pages of the primary and the three pictures, four bytes a pixel.
        "Video Memory Used  : " + std::to_string(5 * kScreenBytes), "", "--- END OF DIRECTDRAW SETUP ---", "",
    };
    EXPECT_EQ(ReadLogLines(), expected);
    EXPECT_EQ(screen.bitsPerPixel, 8) << "the requested depth is kept";
    EXPECT_EQ(screen.directDraw->ModeDepth(), 32);
    ASSERT_EQ(screen.offscreenSurfaces.size(), 3u);
    for (DrawSurface* s : screen.offscreenSurfaces) {
        EXPECT_EQ(s->Width(), 1024);
        EXPECT_EQ(s->Height(), 768);
        DdColorKey key{99, 99};
        ASSERT_EQ(s->GetColorKey(DDCKEY_SRCBLT, &key), DD_OK);
        EXPECT_EQ(key.low, 0u);
        EXPECT_EQ(key.high, 0u);
    }
}

TEST_F(DisplayTest, DepthListIsTriedInFullEvenWhenTheSettingIsOneOfIt) {
    DeviceTestSeam().refusedDepths = {32, 24};
    screen.bitsPerPixel = 24;
    ASSERT_TRUE(screen.Setup());
    const Lines log = ReadLogLines();
    const Lines modes(std::find(log.begin(), log.end(), "SetDisplayMode()"),
                      std::find(log.begin(), log.end(), "CreateSurface() [ Front ]"));
    EXPECT_EQ(modes, (Lines{"SetDisplayMode()", "Trying bpp set in INI file...", "*** FAILED ***",
                            "Trying 32bpp...", "*** FAILED ***", "Trying 24bpp...", "*** FAILED ***",
                            "Trying 16bpp...", "SUCCESS"}));
    EXPECT_TRUE(Contains(log, "Pixel Format = 16Bits ( 5.6.5 ) 65536 possible colors"));
    EXPECT_TRUE(Contains(log, "Video Memory Used  : " + std::to_string(5 * 1024 * 768 * 2)));
}

// Each failing step ends the log with its call, the failure and the result's
// name; a missing window and a display without any usable mode say so instead.
TEST_F(DisplayTest, AFailedStepEndsTheSetUpAndIsNamed) {
    struct Case {
        const char* what;
        void (*arrange)(Display&, DeviceFaultsForTests&);
        Lines tail;
    };
    const Case cases[] = {
        {"no window", [](Display& d, DeviceFaultsForTests&) { d.WinHandle = nullptr; },
         {"DirectDrawCreateEx()", "SetCooperativeLevel()", "*** FAILED ***", "WinHandle == NULL"}},
        {"no mode", [](Display&, DeviceFaultsForTests& f) { f.refusedDepths = {32, 24, 16}; },
         {"Trying 16bpp...", "*** FAILED ***", "*** ERROR ***", "Display does not support any modes that the game requires"}},
        {"device", [](Display&, DeviceFaultsForTests& f) { f.create = DDERR_NODIRECTDRAWHW; },
         {"DirectDrawCreateEx()", "*** FAILED ***", "DDERR_NODIRECTDRAWHW"}},
        {"closed window", [](Display& d, DeviceFaultsForTests&) { d.WinHandle = ClosedWindow(); },
         {"SetCooperativeLevel()", "*** FAILED ***", "DDERR_NOHWND"}},
        {"capabilities", [](Display&, DeviceFaultsForTests& f) { f.getCaps = DDERR_GENERIC; },
         {"SUCCESS", "GetCaps()", "*** FAILED ***", "E_FAIL (GENERIC)"}},
        {"primary", [](Display&, DeviceFaultsForTests& f) { f.videoMemory = 1024; },
         {"CreateSurface() [ Front ]", "*** FAILED ***", "DDERR_OUTOFVIDEOMEMORY"}},
        {"back buffer", [](Display&, DeviceFaultsForTests& f) { f.attachedSurface = DDERR_NOTFOUND; },
         {"GetAttachedSurface() [ Back ]", "*** FAILED ***", "DDERR_NOTFOUND"}},
        {"second picture", [](Display&, DeviceFaultsForTests& f) { f.failOffscreenNumber = 2; },
         {"Creating Offscreen Surface 2", "*** FAILED ***", "E_OUTOFMEMORY"}},
        {"capabilities again", [](Display&, DeviceFaultsForTests& f) { f.getCapsAgain = DDERR_INVALIDOBJECT; },
         {"Creating Offscreen Surface 3", "GetCaps()", "*** FAILED ***", "DDERR_INVALIDOBJECT"}},
        {"pixel format", [](Display&, DeviceFaultsForTests& f) { f.pixelFormat = DDERR_INVALIDPIXELFORMAT; },
         {"GetPixelFormat()", "*** FAILED ***", "DDERR_INVALIDPIXELFORMAT"}},
        {"description", [](Display&, DeviceFaultsForTests& f) { f.surfaceDesc = DDERR_INVALIDPARAMS; },
         {"Pixel Format = 32Bits", "GetSurfaceDesc()", "*** FAILED ***", "E_INVALIDARG (INVALIDPARAMS)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetDeviceTestSeam();
        StartLog("Korvessa");
        Display fresh = screen;
        c.arrange(fresh, DeviceTestSeam());
        EXPECT_FALSE(fresh.Setup());
        EXPECT_EQ(Tail(ReadLogLines(), c.tail.size()), c.tail);
        fresh.Shutdown();
    }
}

// Pictures live in video memory while it lasts, in system memory after it
// or without hardware support; with no pictures there are no placement lines.
TEST_F(DisplayTest, PlacementLinesFollowTheVideoMemory) {
    const auto placement = [&](int count, bool accelerated, uint32_t videoMemory) {
        ResetDeviceTestSeam();
        DeviceTestSeam().videoMemory = videoMemory;
        platform.Fake()->accelerated = accelerated;
        StartLog("Korvessa");
        Display fresh = screen;
        fresh.offscreenCount = count;
        EXPECT_TRUE(fresh.Setup());
        const Lines log = ReadLogLines();
        fresh.Shutdown();
        const auto format = std::find(log.begin(), log.end(), "Pixel Format = 32Bits");
        return format == log.end() ? Lines{"no pixel format"} : Lines(format + 1, log.end() - 3);
    };
    const std::string at = "Offscreen Surface ";
    EXPECT_EQ(placement(3, false, 64u << 20),
              (Lines{at + "1 resides in system memory", at + "2 resides in system memory",
                     at + "3 resides in system memory", "Video Memory Used  : 0"}));
    EXPECT_EQ(placement(3, true, 3 * kScreenBytes + 1000),
              (Lines{at + "1 resides in video memory", at + "2 resides in system memory",
                     at + "3 resides in system memory", "Video Memory Used  : " + std::to_string(3 * kScreenBytes)}));
    EXPECT_EQ(placement(0, true, 64u << 20), (Lines{"Video Memory Used  : " + std::to_string(2 * kScreenBytes)}));
}

TEST_F(DisplayTest, NoHardwareSupportIsSaidBeforeThePrimaryIsMade) {
    platform.Fake()->accelerated = false;
    ASSERT_TRUE(screen.Setup());
    const Lines log = ReadLogLines();
    const auto noHardware = std::find(log.begin(), log.end(), "* No hardware support at all");
    ASSERT_NE(noHardware, log.end());
    EXPECT_EQ(*(noHardware + 1), "CreateSurface() [ Front ]");
}

TEST_F(DisplayTest, ShutdownReleasesEverythingAndMayBeRepeated) {
    ASSERT_TRUE(screen.Setup());
    screen.Shutdown();
    EXPECT_EQ(screen.directDraw, nullptr);
    EXPECT_EQ(screen.frontSurface, nullptr);
    EXPECT_EQ(screen.backSurface, nullptr);
    EXPECT_TRUE(screen.offscreenSurfaces.empty());
    screen.Shutdown();
    // A second device after the first is gone gets all the video memory back.
    StartLog("Korvessa");
    ASSERT_TRUE(screen.Setup());
    EXPECT_TRUE(Contains(ReadLogLines(), "Video Memory Used  : " + std::to_string(5 * kScreenBytes)));
}

}  // namespace
