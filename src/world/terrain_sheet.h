#pragma once
// Where everything sits in a terrain picture ("Terrain\\*.BMP"). The art
// generator draws to these rectangles, world generation hands each tile its
// pieces of them and the screens copy from them, so all read them from here.
// Rectangles are left, top, right, bottom with right and bottom exclusive.
#include "game/state.h"
#include "platform/rect.h"

namespace terrain_sheet {

inline constexpr int kCell = 64;

// Six by six tiles of open ground; the map repeats them every six tiles.
inline constexpr int kGroundTiles = 6;
inline constexpr Rect kGround{0, 0, kGroundTiles * kCell, kGroundTiles * kCell};
constexpr Rect GroundTile(int x, int y) {
    const int left = (x % kGroundTiles) * kCell, top = (y % kGroundTiles) * kCell;
    return {left, top, left + kCell, top + kCell};
}

// Blocks of four 32 x 32 quarters laid over a tile's corners: land meeting
// water or rough ground in an inner corner, the curved outer corners of water
// and rough ground, and their plain corners.
inline constexpr Rect kLandWater{0, 384, 64, 448};
inline constexpr Rect kWaterCurved{64, 384, 128, 448};
inline constexpr Rect kWater{128, 384, 192, 448};
inline constexpr Rect kLandRough{192, 384, 256, 448};
inline constexpr Rect kRoughCurved{256, 384, 320, 448};
inline constexpr Rect kRough{320, 384, 384, 448};
// A tile corner with nothing laid over it.
inline constexpr Rect kNoCorner{-1, -1, -1, -1};
// The quarter of a block: 0 NW, 1 NE, 2 SW, 3 SE.
constexpr Rect Quarter(const Rect& block, int quarter) {
    const int half = kCell / 2;
    const int left = block.left + (quarter % 2) * half, top = block.top + (quarter / 2) * half;
    return {left, top, left + half, top + half};
}

// Whole tiles drawn instead of the ground.
inline constexpr Rect kClearing{0, 448, 64, 512};
inline constexpr Rect kCrossingNS{64, 448, 128, 512};  // water above and below
inline constexpr Rect kCrossingWE{128, 448, 192, 512};  // water left and right
inline constexpr Rect kFog{192, 448, 256, 512};

// The mini-map's dots, 3 x 3: land, water, rough ground, clearing, crossing.
inline constexpr int kDotSize = 3;
inline constexpr int kDotTop = 475;
inline constexpr int kDotLeft[5] = {290, 300, 310, 320, 330};
// (The terrain codes are the game's, outside this namespace.)
constexpr Rect MiniMapDot(int terrain) {
    int kind = 0;
    switch (terrain) {
        case ::kWater: kind = 1; break;
        case ::kRough: kind = 2; break;
        case ::kClearing: kind = 3; break;
        case ::kCrossingVertical:
        case ::kCrossingHorizontal: kind = 4; break;
        default: break;
    }
    return {kDotLeft[kind], kDotTop, kDotLeft[kind] + kDotSize, kDotTop + kDotSize};
}

}  // namespace terrain_sheet
