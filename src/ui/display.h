#pragma once
// The display: the drawing device in full-screen mode, the primary surface
// with its one back buffer, and the screen-sized off-screen surfaces that
// hold the loaded pictures (slot 0 the sprite sheet, slot 1 the screen's
// background, slot 2 the terrain). Every step of its set-up is written to
// Run.log, so a machine where the game does not start can be diagnosed from
// the log alone. There is one Display, `display`, filled in by the start-up
// and set up before the screen loop.
#include <cstdint>
#include <string>
#include <vector>

#include "ui/draw_device.h"

class Window;

class Display {
public:
    HResult lastResult = 0;
    DrawDevice* directDraw = nullptr;
    DrawSurface* frontSurface = nullptr;
    DrawSurface* backSurface = nullptr;
    // Empty until Setup allocates `offscreenCount` entries.
    std::vector<DrawSurface*> offscreenSurfaces;
    Window* WinHandle = nullptr;
    int screenWidth = 0;
    int screenHeight = 0;
    int bitsPerPixel = 0;  // the depth asked for first; kept when a fall-back wins
    int offscreenCount = 0;

    // Creates the device, the mode and the surfaces, logging each step; false
    // at the first failure (what was made so far stays for Shutdown).
    bool Setup();
    // One screen-sized off-screen surface, or null (logged) on failure.
    DrawSurface* CreateOffscreenSurface();
    // Brings back lost surfaces (black: the caller reloads their pictures);
    // false, logged, when one cannot be restored.
    bool RestoreSurfaces();
    // The log name of a result code.
    static std::string ResultName(HResult code);
    // Blanks both pages of the flipping chain.
    void ClearScreen();
    // Shows the back buffer: flips; the picture is shown when it returns.
    void Present();
    // Copies the whole screen-sized picture of `source` to 0,0 of
    // `destination`, without colour key; the copy's result.
    HResult CopySurface(DrawSurface* destination, DrawSurface* source);
    // Releases everything; safe to call more than once.
    void Shutdown();

    // Loads a bitmap file (a game file name such as "Images\\Sprites.bmp")
    // into a surface; defined with the picture loading of the toolkit.
    bool LoadBitmapFile(DrawSurface* surface, const std::string& fileName);

private:
    bool Fail();
    bool SetDisplayModeWithFallbacks();
    bool CreateSurfaces();
    bool ReportFormatAndPlacement(int64_t videoMemoryUsed);
};

extern Display display;
