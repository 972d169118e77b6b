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

}  // namespace assetgen
