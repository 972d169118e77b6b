// The display's start-up account in Run.log, on the good path and on every
// way it can fail.
#include <gtest/gtest.h>

#include <algorithm>

#include "display_fixture.h"
#include "shell/run_log.h"

namespace {

using Lines = std::vector<std::string>;

// The lines after "- - - End Function Calls - - -" up to the log's end.
Lines Tail(const Lines& log, size_t count) {
    return Lines(log.end() - static_cast<std::ptrdiff_t>(std::min(count, log.size())), log.end());
}

constexpr int kScreenBytes = 1024 * 768 * 4;

TEST_F(DisplayTest, RefusedDepthFallsBackToThirtyTwoBitsAndLogsEveryStep) {
    screen.bitsPerPixel = 8;
    ASSERT_TRUE(screen.Setup());
    const Lines expected = {
        "--- START OF DIRECTDRAW SETUP ---",
        "",
        "Designed for Direct Draw version 7.0",
        "Fullscreen Exclusive Mode",
        "Required Screen Size : 1024 x 768",
        "Requested Bits Per Pixel : 8",
        "Offscreen Surfaces : 3",
        "",
        "- - - Start Function Calls - - -",
        "DirectDrawCreateEx()",
        "SetCooperativeLevel()",
        "SetDisplayMode()",
        "Trying bpp set in INI file...",
        "*** FAILED ***",
        "Trying 32bpp...",
        "SUCCESS",
        "CreateSurface() [ Front ]",
        "GetAttachedSurface() [ Back ]",
        "Creating Offscreen Surface 1",
        "Creating Offscreen Surface 2",
        "Creating Offscreen Surface 3",
        "- - - End Function Calls - - -",
        "",
        "Pixel Format = 32Bits",
        "Offscreen Surface 1 resides in video memory",
        "Offscreen Surface 2 resides in video memory",
        "Offscreen Surface 3 resides in video memory",
        // Both pages of the primary and the three pictures, four bytes a pixel.
        "Video Memory Used  : " + std::to_string(5 * kScreenBytes),
        "",
        "--- END OF DIRECTDRAW SETUP ---",
        "",
    };
    EXPECT_EQ(ReadLogLines(), expected);
    EXPECT_EQ(screen.bitsPerPixel, 8) << "the requested depth is kept";
    EXPECT_EQ(screen.directDraw->ModeDepth(), 32);
    ASSERT_EQ(screen.offscreenSurfaces.size(), 3u);
    for (DrawSurface* s : screen.offscreenSurfaces) {
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->Width(), 1024);
        EXPECT_EQ(s->Height(), 768);
        DdColorKey key{99, 99};
        ASSERT_EQ(s->GetColorKey(DDCKEY_SRCBLT, &key), DD_OK);
        EXPECT_EQ(key.low, 0u);
        EXPECT_EQ(key.high, 0u);
    }
}

TEST_F(DisplayTest, DepthListIsTriedInFullEvenWhenTheSettingIsOneOfIt) {
    // Only 16 bits left: the setting 24 and then 32 and 24 again are refused.
    CurrentDeviceFaults().refusedDepths = {32, 24};
    screen.bitsPerPixel = 24;
    ASSERT_TRUE(screen.Setup());
    const Lines log = ReadLogLines();
    const Lines modes(std::find(log.begin(), log.end(), "SetDisplayMode()"),
                      std::find(log.begin(), log.end(), "CreateSurface() [ Front ]"));
    EXPECT_EQ(modes, (Lines{"SetDisplayMode()", "Trying bpp set in INI file...", "*** FAILED ***",
                            "Trying 32bpp...", "*** FAILED ***", "Trying 24bpp...",
                            "*** FAILED ***", "Trying 16bpp...", "SUCCESS"}));
    EXPECT_NE(std::find(log.begin(), log.end(),
                        "Pixel Format = 16Bits ( 5.6.5 ) 65536 possible colors"),
              log.end());
    EXPECT_NE(std::find(log.begin(), log.end(),
                        "Video Memory Used  : " + std::to_string(5 * 1024 * 768 * 2)),
              log.end());
}

TEST_F(DisplayTest, NoUsableModeEndsTheSetUpWithoutAResultName) {
    CurrentDeviceFaults().refusedDepths = {32, 24, 16};
    EXPECT_FALSE(screen.Setup());
    EXPECT_EQ(Tail(ReadLogLines(), 6),
              (Lines{"Trying 24bpp...", "*** FAILED ***", "Trying 16bpp...", "*** FAILED ***",
                     "*** ERROR ***", "Display does not support any modes that the game requires"}));
    EXPECT_EQ(screen.frontSurface, nullptr);
}

TEST_F(DisplayTest, MissingWindowFailsAtTheCooperativeLevelWithoutAResultName) {
    screen.WinHandle = nullptr;
    EXPECT_FALSE(screen.Setup());
    EXPECT_EQ(Tail(ReadLogLines(), 4), (Lines{"DirectDrawCreateEx()", "SetCooperativeLevel()",
                                             "*** FAILED ***", "WinHandle == NULL"}));
}

TEST_F(DisplayTest, FailedCallsAreNamedByTheirResult) {
    struct Case {
        const char* what;
        void (*arrange)(DeviceFaults&);
        Lines tail;
    };
    const Case cases[] = {
        {"device", [](DeviceFaults& f) { f.create = DDERR_NODIRECTDRAWHW; },
         {"DirectDrawCreateEx()", "*** FAILED ***", "DDERR_NODIRECTDRAWHW"}},
        {"cooperative level", [](DeviceFaults& f) { f.cooperativeLevel = DDERR_HWNDALREADYSET; },
         {"SetCooperativeLevel()", "*** FAILED ***", "DDERR_HWNDALREADYSET"}},
        {"capabilities", [](DeviceFaults& f) { f.getCaps = DDERR_GENERIC; },
         {"SUCCESS", "GetCaps()", "*** FAILED ***", "E_FAIL (GENERIC)"}},
        {"primary", [](DeviceFaults& f) { f.createPrimary = DDERR_OUTOFVIDEOMEMORY; },
         {"CreateSurface() [ Front ]", "*** FAILED ***", "DDERR_OUTOFVIDEOMEMORY"}},
        {"back buffer", [](DeviceFaults& f) { f.attachedSurface = DDERR_NOTFOUND; },
         {"GetAttachedSurface() [ Back ]", "*** FAILED ***", "DDERR_NOTFOUND"}},
        {"second picture", [](DeviceFaults& f) { f.failOffscreenNumber = 2; },
         {"Creating Offscreen Surface 2", "*** FAILED ***", "E_OUTOFMEMORY"}},
        {"capabilities again", [](DeviceFaults& f) { f.getCapsAgain = DDERR_INVALIDOBJECT; },
         {"Creating Offscreen Surface 3", "GetCaps()", "*** FAILED ***", "DDERR_INVALIDOBJECT"}},
        {"pixel format", [](DeviceFaults& f) { f.pixelFormat = DDERR_INVALIDPIXELFORMAT; },
         {"GetPixelFormat()", "*** FAILED ***", "DDERR_INVALIDPIXELFORMAT"}},
        {"description", [](DeviceFaults& f) { f.surfaceDesc = DDERR_INVALIDPARAMS; },
         {"Pixel Format = 32Bits", "GetSurfaceDesc()", "*** FAILED ***",
          "E_INVALIDARG (INVALIDPARAMS)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetDeviceFaults();
        c.arrange(CurrentDeviceFaults());
        StartLog("Korvessa");
        Display fresh = screen;
        EXPECT_FALSE(fresh.Setup());
        EXPECT_EQ(Tail(ReadLogLines(), c.tail.size()), c.tail);
        fresh.Shutdown();
    }
}

TEST_F(DisplayTest, SoftwareOnlyDriverSaysSoAndKeepsPicturesInSystemMemory) {
    platform.Fake()->accelerated = false;
    ASSERT_TRUE(screen.Setup());
    const Lines log = ReadLogLines();
    const auto noHardware = std::find(log.begin(), log.end(), "* No hardware support at all");
    ASSERT_NE(noHardware, log.end());
    EXPECT_EQ(*(noHardware + 1), "CreateSurface() [ Front ]");
    EXPECT_EQ(Tail(log, 7), (Lines{"Offscreen Surface 1 resides in system memory",
                                   "Offscreen Surface 2 resides in system memory",
                                   "Offscreen Surface 3 resides in system memory",
                                   "Video Memory Used  : 0", "", "--- END OF DIRECTDRAW SETUP ---",
                                   ""}));
}

TEST_F(DisplayTest, PicturesThatDoNotFitInVideoMemoryGoToSystemMemory) {
    // Room for both pages and one picture only.
    CurrentDeviceFaults().videoMemory = 3 * kScreenBytes + 1000;
    ASSERT_TRUE(screen.Setup());
    EXPECT_EQ(Tail(ReadLogLines(), 7),
              (Lines{"Offscreen Surface 1 resides in video memory",
                     "Offscreen Surface 2 resides in system memory",
                     "Offscreen Surface 3 resides in system memory",
                     "Video Memory Used  : " + std::to_string(3 * kScreenBytes), "",
                     "--- END OF DIRECTDRAW SETUP ---", ""}));
}

TEST_F(DisplayTest, NoPictureSurfacesMeansNoArrayAndNoPlacementLines) {
    screen.offscreenCount = 0;
    ASSERT_TRUE(screen.Setup());
    EXPECT_TRUE(screen.offscreenSurfaces.empty());
    const Lines log = ReadLogLines();
    for (const std::string& line : log) EXPECT_EQ(line.find("Offscreen Surface "), std::string::npos) << line;
    EXPECT_EQ(Tail(log, 5), (Lines{"Pixel Format = 32Bits",
                                   "Video Memory Used  : " + std::to_string(2 * kScreenBytes), "",
                                   "--- END OF DIRECTDRAW SETUP ---", ""}));
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
    const Lines log = ReadLogLines();
    EXPECT_NE(std::find(log.begin(), log.end(), "Video Memory Used  : " + std::to_string(5 * kScreenBytes)),
              log.end());
}

}  // namespace
