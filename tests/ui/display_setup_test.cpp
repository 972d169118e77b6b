// The display's account in Run.log of its start-up, on the good path and on
// every way it can fail, and of a restore that fails; the names it gives
// result codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "display_fixture.h"
#include "platform/run_log.h"

namespace {

using Lines = std::vector<std::string>;

Lines ReadLogLines() {
    Lines lines;
    std::ifstream in("Run.log");
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

constexpr int kScreenBytes = 1024 * 768 * 4;

// The setting's depth is refused, and so are the first two of the list after
// it, although the setting is one of them: the whole list is tried in order.
TEST_F(DisplayTest, RefusedDepthsFallBackThroughTheListAndEveryStepIsLogged) {
    DeviceTestSeam().refusedDepths = {32, 24};
    screen.bitsPerPixel = 24;
    ASSERT_TRUE(screen.Setup());
    const Lines log = ReadLogLines();
    const Lines tries = {"Trying bpp set in INI file...", "*** FAILED ***", "Trying 32bpp...", "*** FAILED ***",
                         "Trying 24bpp...", "*** FAILED ***", "Trying 16bpp...", "SUCCESS"};
    EXPECT_NE(std::search(log.begin(), log.end(), tries.begin(), tries.end()), log.end());
    EXPECT_EQ(screen.bitsPerPixel, 24) << "the requested depth is kept";
    EXPECT_EQ(screen.directDraw->ModeDepth(), 16);
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
         {"SetCooperativeLevel()", "*** FAILED ***", "WinHandle == NULL"}},
        {"no mode", [](Display&, DeviceFaultsForTests& f) { f.refusedDepths = {32, 24, 16}; },
         {"Trying 16bpp...", "*** FAILED ***", "*** ERROR ***", "Display does not support any modes that the game requires"}},
        {"device", [](Display&, DeviceFaultsForTests& f) { f.create = DDERR_NODIRECTDRAWHW; },
         {"DirectDrawCreateEx()", "*** FAILED ***", "DDERR_NODIRECTDRAWHW"}},
        // Just too little memory for both pages of the primary.
        {"primary", [](Display&, DeviceFaultsForTests& f) { f.videoMemory = 2 * kScreenBytes - 1; },
         {"CreateSurface() [ Front ]", "*** FAILED ***", "DDERR_OUTOFVIDEOMEMORY"}},
        {"back buffer", [](Display&, DeviceFaultsForTests& f) { f.attachedSurface = DDERR_NOTFOUND; },
         {"GetAttachedSurface() [ Back ]", "*** FAILED ***", "DDERR_NOTFOUND"}},
        {"last picture", [](Display&, DeviceFaultsForTests& f) { f.failOffscreenNumber = 3; },
         {"Creating Offscreen Surface 3", "*** FAILED ***", "E_OUTOFMEMORY"}},
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
        const Lines log = ReadLogLines();
        ASSERT_GE(log.size(), c.tail.size());
        EXPECT_EQ(Lines(log.end() - static_cast<std::ptrdiff_t>(c.tail.size()), log.end()), c.tail);
        fresh.Shutdown();
    }
}

// A picture that cannot come back is named by its slot, from zero; a window
// that is gone makes restoring fail, so the screen loop ends.
TEST_F(DisplayTest, ARestoreThatFailsSaysWhy) {
    DeviceTestSeam().restorePictures = DDERR_OUTOFVIDEOMEMORY;  // a fault the device is set up with
    ASSERT_TRUE(screen.Setup());
    StartLog("Korvessa");
    fake.Fake()->Minimise();
    fake.Fake()->Restore();
    EXPECT_FALSE(screen.RestoreSurfaces());
    EXPECT_EQ(ReadLogLines(), (Lines{"Korvessa", "Restore Offscreen Surface 0", "*** FAILED ***", "DDERR_OUTOFVIDEOMEMORY"}));
    fake.Fake()->Destroy();
    EXPECT_FALSE(screen.RestoreSurfaces());
    EXPECT_EQ(ReadLogLines().back(), "DDERR_NOHWND");
}

// The first and last codes of the list, shared codes that carry both names,
// and codes just outside the list and between its drawing codes.
TEST(ResultNames, CodesAreNamedByTheirValue) {
    const std::pair<HResult, const char*> cases[] = {
        {S_OK, "S_OK"},
        {DDERR_GENERIC, "E_FAIL (GENERIC)"},
        {CO_E_NOTINITIALIZED, "DDERR_NOTINITIALIZED"},
        {static_cast<HResult>(0x887601C2), "DDERR_SURFACELOST"},
        {KnownResultCode(KnownResultCodeCount() - 1), "DDERR_DEVICEDOESNTOWNSURFACE"},
        {2, "Unknown Return Value"},
        {-1, "Unknown Return Value"},
        {MakeDrawResult(603), "Unknown Return Value"},
        {MakeDrawResult(700), "Unknown Return Value"},
    };
    for (const auto& [code, name] : cases) EXPECT_EQ(Display::ResultName(code), name) << std::hex << code;
}

}  // namespace
