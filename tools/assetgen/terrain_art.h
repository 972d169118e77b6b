#pragma once
// The terrain pictures of the folder "Terrain": ground, water and rough
// ground with their curved quarters, clearing, crossings, fog and the
// mini-map dots.

#include <string>
#include <vector>

#include "assetgen/raster.h"

namespace assetgen {

struct TerrainTheme {
    std::string file;
    uint32_t seed;
    Rgb landLow, landHigh;    // the grass, sand or snow
    Rgb waterLow, waterHigh;
    Rgb roughLow, roughHigh;  // the ground under the rough ground's features
    enum class Rough { kForest, kRocks, kPines } rough;
    Rgb featureLow, featureHigh;  // shade and light of the trees or rocks
    Rgb detail;               // small marks sprinkled on the land
    Rgb path;                 // clearing pad and bridge planks
};

struct TerrainPicture {
    std::string file;
    Image image;
};

std::vector<TerrainTheme> TerrainThemes();
Image MakeTerrainPicture(const TerrainTheme& theme);
std::vector<TerrainPicture> MakeTerrainPictures();

}  // namespace assetgen
