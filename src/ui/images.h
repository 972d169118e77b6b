#pragma once
// The pictures of a screen: which file goes into which off-screen surface of
// the display, loading them as a screen starts, and getting them back after
// the window was minimised (which loses every surface and its picture).
#include <string>
#include <vector>

#include "platform/input.h"

enum SurfaceSlot : int { kSpriteSlot = 0, kBackgroundSlot = 1, kTerrainSlot = 2 };

inline constexpr const char* kSpriteSheetFile = "Images\\Sprites.bmp";

struct ScreenImage {
    int slot = kSpriteSlot;
    std::string fileName;  // a game file name such as "Images\\MainMenu.bmp"
};

// Loads every picture into its slot in order; false at the first that fails
// (already logged by LoadBitmapFile).
bool LoadScreenImages(const std::vector<ScreenImage>& images);

// After PumpMessages said no: restores the display's surfaces, loads the
// pictures again and tells the loop's watch. False when the window is gone, a
// surface cannot be restored or a picture cannot be loaded; the screen then
// ends with its fatal result.
bool RecoverDisplay(const std::vector<ScreenImage>& images, PictureWatch& watch);
