#pragma once
// The 64 x 64 unit pictures: one STANDARD per faction, then BASE, AIR, TANK
// and ARTILLERY, each in the four player colours.

#include "assetgen/raster.h"

namespace assetgen {

void DrawUnitPictures(Image& sheet);

}  // namespace assetgen
