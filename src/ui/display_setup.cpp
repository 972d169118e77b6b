// The display's start-up: every step is written to the run log before it is
// tried, so the last lines of a failed start name the step and its result.
#include <string>

#include "platform/run_log.h"
#include "ui/display.h"

namespace {

const char* const kFailed = "*** FAILED ***";

std::string PixelFormatLine(uint32_t bitCount) {
    switch (bitCount) {
        case 15: return "Pixel Format = 15Bits ( 5.5.5 ) 32768 possible colors";
        case 16: return "Pixel Format = 16Bits ( 5.6.5 ) 65536 possible colors";
        case 24: return "Pixel Format = 24Bits";
        case 32: return "Pixel Format = 32Bits";
        default: return "";
    }
}

}  // namespace

bool Display::Fail() {
    AppendLog(kFailed);
    AppendLog(ResultName(lastResult));
    return false;
}

bool Display::Setup() {
    AppendLog("--- START OF DIRECTDRAW SETUP ---\n");
    AppendLog("Designed for Direct Draw version 7.0");
    AppendLog("Fullscreen Exclusive Mode");
    AppendLog("Required Screen Size : " + std::to_string(screenWidth) + " x " +
              std::to_string(screenHeight));
    AppendLog("Requested Bits Per Pixel : " + std::to_string(bitsPerPixel));
    AppendLog("Offscreen Surfaces : " + std::to_string(offscreenCount));
    AppendLog("\n- - - Start Function Calls - - -");

    AppendLog("DirectDrawCreateEx()");
    lastResult = DirectDrawCreateEx(&directDraw);
    if (lastResult != DD_OK) return Fail();

    AppendLog("SetCooperativeLevel()");
    if (!WinHandle) {
        AppendLog(kFailed);
        AppendLog("WinHandle == NULL");
        return false;
    }
    lastResult = directDraw->SetCooperativeLevel(WinHandle, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN);
    if (lastResult != DD_OK) return Fail();

    if (!SetDisplayModeWithFallbacks()) return false;
    return CreateSurfaces();
}

bool Display::SetDisplayModeWithFallbacks() {
    AppendLog("SetDisplayMode()");
    struct Attempt {
        const char* line;
        int depth;
    };
    const Attempt attempts[] = {{"Trying bpp set in INI file...", bitsPerPixel},
                                {"Trying 32bpp...", 32},
                                {"Trying 24bpp...", 24},
                                {"Trying 16bpp...", 16}};
    for (const Attempt& attempt : attempts) {
        AppendLog(attempt.line);
        lastResult = directDraw->SetDisplayMode(screenWidth, screenHeight, attempt.depth, 0, 0);
        if (lastResult == DD_OK) {
            AppendLog("SUCCESS");
            return true;
        }
        AppendLog(kFailed);
    }
    AppendLog("*** ERROR ***");
    AppendLog("Display does not support any modes that the game requires");
    return false;
}

bool Display::CreateSurfaces() {
    DdCaps caps;
    lastResult = directDraw->GetCaps(&caps, nullptr);
    if (lastResult != DD_OK) {
        AppendLog("GetCaps()");
        return Fail();
    }
    if (caps.caps & DDCAPS_NOHARDWARE) AppendLog("* No hardware support at all");
    const uint32_t freeBefore = caps.vidMemFree;

    AppendLog("CreateSurface() [ Front ]");
    DdSurfaceDesc front;
    front.flags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    front.backBufferCount = 1;
    front.caps.caps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    lastResult = directDraw->CreateSurface(front, &frontSurface);
    if (lastResult != DD_OK) return Fail();

    AppendLog("GetAttachedSurface() [ Back ]");
    DdSurfaceCaps backCaps;
    backCaps.caps = DDSCAPS_BACKBUFFER;
    lastResult = frontSurface->GetAttachedSurface(backCaps, &backSurface);
    if (lastResult != DD_OK) return Fail();

    if (offscreenCount > 0) {
        offscreenSurfaces.assign(static_cast<size_t>(offscreenCount), nullptr);
        for (int i = 1; i <= offscreenCount; ++i) {
            AppendLog("Creating Offscreen Surface " + std::to_string(i));
            DrawSurface* surface = CreateOffscreenSurface();
            if (!surface) return false;
            offscreenSurfaces[static_cast<size_t>(i - 1)] = surface;
            const DdColorKey black{0, 0};
            surface->SetColorKey(DDCKEY_SRCBLT, &black);
        }
    }

    lastResult = directDraw->GetCaps(&caps, nullptr);
    if (lastResult != DD_OK) {
        AppendLog("GetCaps()");
        return Fail();
    }
    // Signed, in case the driver reports more free memory than before.
    const int64_t used = static_cast<int64_t>(freeBefore) - static_cast<int64_t>(caps.vidMemFree);
    return ReportFormatAndPlacement(used);
}

bool Display::ReportFormatAndPlacement(int64_t videoMemoryUsed) {
    DdPixelFormat format;
    lastResult = frontSurface->GetPixelFormat(&format);
    if (lastResult != DD_OK) {
        AppendLog("GetPixelFormat()");
        return Fail();
    }
    AppendLog("- - - End Function Calls - - -\n");
    const std::string formatLine = PixelFormatLine(format.rgbBitCount);
    if (!formatLine.empty()) AppendLog(formatLine);

    for (int i = 1; i <= offscreenCount; ++i) {
        DdSurfaceDesc desc;
        lastResult = offscreenSurfaces[static_cast<size_t>(i - 1)]->GetSurfaceDesc(&desc);
        if (lastResult != DD_OK) {
            AppendLog("GetSurfaceDesc()");
            return Fail();
        }
        std::string line = "Offscreen Surface " + std::to_string(i);
        if (desc.caps.caps & DDSCAPS_VIDEOMEMORY)
            line += " resides in video memory";
        else if (desc.caps.caps & DDSCAPS_SYSTEMMEMORY)
            line += " resides in system memory";
        AppendLog(line);
    }
    AppendLog("Video Memory Used  : " + std::to_string(videoMemoryUsed));
    AppendLog("\n--- END OF DIRECTDRAW SETUP ---\n");
    return true;
}

DrawSurface* Display::CreateOffscreenSurface() {
    DdSurfaceDesc desc;
    desc.flags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
    desc.height = static_cast<uint32_t>(screenHeight);
    desc.width = static_cast<uint32_t>(screenWidth);
    desc.caps.caps = DDSCAPS_OFFSCREENPLAIN;
    DrawSurface* surface = nullptr;
    lastResult = directDraw ? directDraw->CreateSurface(desc, &surface) : DDERR_NOTINITIALIZED;
    if (lastResult != DD_OK) {
        AppendLog(kFailed);
        AppendLog(ResultName(lastResult));
        return nullptr;
    }
    return surface;
}
