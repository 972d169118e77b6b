#pragma once
// The full-screen backgrounds: main menu, set-up, load game and the
// information page, with the captions their screens rely on.

#include <string>
#include <vector>

#include "assetgen/raster.h"

namespace assetgen {

struct Background {
    std::string file;  // inside the Images folder
    Image image;
};

std::vector<Background> MakeBackgrounds();

// A static caption of a background, in the large font at an integer scale.
struct Caption {
    std::string text;
    int x, y, scale;
    int Right() const;
    int Bottom() const { return y + 32 * scale; }
};

// The captions drawn on a background ("MainMenu.bmp", "Setup.bmp", ...).
std::vector<Caption> ScreenCaptions(const std::string& file);

}  // namespace assetgen
