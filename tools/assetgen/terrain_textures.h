#pragma once
// Seamless textures of a terrain theme: the land repeats every 384 pixels
// (the 6 x 6 ground cells), water and rough ground every 64 (one tile).

#include "assetgen/raster.h"
#include "assetgen/terrain_art.h"

namespace assetgen {

Image LandTexture(const TerrainTheme& theme);   // 384 x 384
Image WaterTexture(const TerrainTheme& theme);  // 64 x 64
Image RoughTexture(const TerrainTheme& theme);  // 64 x 64

}  // namespace assetgen
