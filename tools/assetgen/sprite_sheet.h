#pragma once
// The whole sprite sheet, "Images\Sprites.bmp".

#include "assetgen/raster.h"

namespace assetgen {

Image MakeSpriteSheet();

}  // namespace assetgen
