#include "ui/display.h"

#include "platform/run_log.h"

Display display;

namespace {

void FillBlack(DrawSurface* surface, int width, int height) {
    DdRect whole{0, 0, width, height};
    DdBltFx fx;
    fx.fillColor = 0;
    surface->Blt(&whole, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
}

}  // namespace

std::string Display::ResultName(HResult code) { return ResultCodeName(code); }

bool Display::RestoreSurfaces() {
    if (frontSurface && frontSurface->IsLost() != DD_OK) {
        lastResult = frontSurface->Restore();
        if (lastResult != DD_OK) {
            AppendLog("Front->Restore()");
            AppendLog("*** FAILED ***");
            AppendLog(ResultName(lastResult));
            return false;
        }
    }
    for (size_t slot = 0; slot < offscreenSurfaces.size(); ++slot) {
        DrawSurface* surface = offscreenSurfaces[slot];
        if (!surface || surface->IsLost() == DD_OK) continue;
        lastResult = surface->Restore();
        if (lastResult != DD_OK) {
            AppendLog("Restore Offscreen Surface " + std::to_string(slot));
            AppendLog("*** FAILED ***");
            AppendLog(ResultName(lastResult));
            return false;
        }
    }
    return true;
}

void Display::ClearScreen() {
    if (!frontSurface || !backSurface) return;
    FillBlack(backSurface, screenWidth, screenHeight);
    Present();
    FillBlack(backSurface, screenWidth, screenHeight);
}

void Display::Present() {
    if (!frontSurface) return;
    frontSurface->Flip(nullptr, DDFLIP_WAIT);
}

HResult Display::CopySurface(DrawSurface* destination, DrawSurface* source) {
    if (!destination || !source) return DDERR_INVALIDPARAMS;
    DdRect whole{0, 0, screenWidth, screenHeight};
    return destination->BltFast(0, 0, source, &whole, DDBLTFAST_WAIT);
}

void Display::Shutdown() {
    for (DrawSurface*& surface : offscreenSurfaces) {
        if (surface) surface->Release();
        surface = nullptr;
    }
    offscreenSurfaces.clear();
    offscreenSurfaces.shrink_to_fit();
    if (backSurface) backSurface->Release();
    backSurface = nullptr;
    if (frontSurface) frontSurface->Release();
    frontSurface = nullptr;
    if (directDraw) directDraw->Release();
    directDraw = nullptr;
}
