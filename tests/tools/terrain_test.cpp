// Terrain pictures: ground that tiles without seams, curved quarters that
// join water and rough ground to land, and no see-through pixel where the
// game copies without the key.

#include <gtest/gtest.h>

#include <algorithm>

#include "assetgen/terrain_art.h"
#include "tools/picture_checks.h"

namespace {

using namespace assetgen;
using namespace kvtest;

const std::vector<TerrainPicture>& Pictures() {
    static const std::vector<TerrainPicture> pictures = MakeTerrainPictures();
    return pictures;
}

// Mean colour step from column (or row) a to b of the region, along its whole height (or width).
double Step(const Image& image, Rect r, int a, int b, bool columns) {
    const int n = columns ? r.Height() : r.Width();
    double sum = 0;
    for (int i = 0; i < n; ++i)
        sum += columns ? Distance(image.At(r.left + a, r.top + i), image.At(r.left + b, r.top + i))
                       : Distance(image.At(r.left + i, r.top + a), image.At(r.left + i, r.top + b));
    return sum / n;
}

// Ground cells are laid in any order, water and rough ground next to
// themselves: each cell's last column meets the next cell's first (the last
// cell's the first's), and likewise rows, with little more of a step than inside a cell.
TEST(Terrain, TilingRegionsHaveNoSeamsAndNoRegionIsSeeThrough) {
    for (const TerrainPicture& p : Pictures()) {
        for (Rect r : {terrain_sheet::kGround, terrain_sheet::kWater, terrain_sheet::kRough}) {
            const int size = r.Width();
            for (int edge = 63; edge < size; edge += 64)
                for (bool columns : {true, false}) {
                    const double inside = std::max(Step(p.image, r, edge - 1, edge, columns),
                                                   Step(p.image, r, edge - 33, edge - 32, columns));
                    EXPECT_LT(Step(p.image, r, edge, (edge + 1) % size, columns), inside * 1.8 + 10)
                        << p.file << " " << r.left << (columns ? " column " : " row ") << edge;
                }
        }
        for (Rect r : {terrain_sheet::kGround, terrain_sheet::kWater, terrain_sheet::kRough, terrain_sheet::kClearing, terrain_sheet::kCrossingNS,
                       terrain_sheet::kCrossingWE, terrain_sheet::kFog})
            EXPECT_EQ(CountKey(p.image, r), 0) << p.file << " " << r.left << "," << r.top;
    }
}

// A land quarter and its curved quarter together make exactly one plain block.
TEST(Terrain, CurvedQuartersAndLandQuartersFitTogether) {
    for (const TerrainPicture& p : Pictures())
        for (auto [land, curved, plain] : {std::tuple{terrain_sheet::kLandWater, terrain_sheet::kWaterCurved, terrain_sheet::kWater},
                                           std::tuple{terrain_sheet::kLandRough, terrain_sheet::kRoughCurved, terrain_sheet::kRough}}) {
            int wrong = 0;
            for (int y = 0; y < 64; ++y)
                for (int x = 0; x < 64; ++x) {
                    const Rgb a = p.image.At(land.left + x, land.top + y), b = p.image.At(curved.left + x, curved.top + y);
                    wrong += IsKey(a) == IsKey(b) || (IsKey(a) ? b : a) != p.image.At(plain.left + x, plain.top + y);
                }
            EXPECT_EQ(wrong, 0) << p.file << " " << land.left;
        }
}

}  // namespace
