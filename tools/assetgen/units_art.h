#pragma once
// The 64 x 64 unit pictures: one STANDARD per faction, then BASE, AIR, TANK
// and ARTILLERY, each in the four player colours.

#include <cairo.h>

#include "assetgen/palette.h"
#include "assetgen/raster.h"

namespace assetgen {

void DrawUnitPictures(Image& sheet);

// Draws one unit picture (row as in the sheet: 0 to 3 STANDARD by faction,
// then BASE, AIR, TANK, ARTILLERY) into a 64 x 64 area at the origin.
void DrawUnit(cairo_t* cr, int row, const PlayerPalette& palette);

}  // namespace assetgen
