// Terrain pictures: every region of the layout, ground that tiles without
// seams, curved quarters that join water and rough ground to land.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "assetgen/terrain_art.h"
#include "tools/picture_checks.h"

namespace {

using namespace assetgen;
using namespace kvtest;

const std::map<std::string, Image>& Pictures() {
    static const std::map<std::string, Image> pictures = [] {
        std::map<std::string, Image> all;
        for (TerrainPicture& p : MakeTerrainPictures()) all.emplace(p.file, std::move(p.image));
        return all;
    }();
    return pictures;
}

// Mean colour step between two pixel columns (or rows) of the picture.
double MeanStep(const Image& image, int ax, int ay, int bx, int by, int dx, int dy, int count) {
    double sum = 0;
    for (int i = 0; i < count; ++i) sum += Distance(image.At(ax + dx * i, ay + dy * i), image.At(bx + dx * i, by + dy * i));
    return sum / count;
}

TEST(Terrain, ThereAreAtLeastThreeDifferentPicturesOfTheRightSize) {
    ASSERT_GE(Pictures().size(), 3u);
    std::vector<Rgb> grounds;
    for (const auto& [name, image] : Pictures()) {
        EXPECT_GE(image.Width(), 384) << name;
        EXPECT_GE(image.Height(), 512) << name;
        EXPECT_EQ(name.substr(name.size() - 4), ".BMP") << "the set-up screen lists file names with their extension";
        EXPECT_LE(name.size(), 19u) << name << " must fit the terrain button";
        grounds.push_back(image.At(terrain_sheet::kDotLeft[0], terrain_sheet::kDotTop));
    }
    for (size_t a = 0; a < grounds.size(); ++a)
        for (size_t b = a + 1; b < grounds.size(); ++b) EXPECT_GT(Distance(grounds[a], grounds[b]), 60);
}

// Ground cells are laid in any order, plain water and rough ground next to
// themselves: each cell's last column meets the next cell's first (the last
// cell's meets the first's), and likewise rows, with no more of a step than
// inside a cell. None of them has a see-through pixel.
TEST(Terrain, GroundWaterAndRoughTileWithoutSeams) {
    for (const auto& [name, image] : Pictures())
        for (Rect r : {terrain_sheet::kGround, terrain_sheet::kWater, terrain_sheet::kRough}) {
            EXPECT_EQ(CountKey(image, r), 0) << name;
            const int size = r.Width();
            for (int edge = 63; edge < size; edge += 64) {
                const int next = (edge + 1) % size;
                // Inside: the larger step of the cell's middle and its edge.
                const auto step = [&](int a, int dx, int dy) {
                    return std::max(MeanStep(image, r.left + a * dx, r.top + a * dy, r.left + (a + 1) * dx,
                                             r.top + (a + 1) * dy, dy, dx, size),
                                    MeanStep(image, r.left + (a - 32) * dx, r.top + (a - 32) * dy,
                                             r.left + (a - 31) * dx, r.top + (a - 31) * dy, dy, dx, size));
                };
                const double inside = step(edge - 1, 1, 0);
                EXPECT_LT(MeanStep(image, r.left + edge, r.top, r.left + next, r.top, 0, 1, size), inside * 1.8 + 10)
                    << name << " " << r.left << " column " << edge;
                const double insideRows = step(edge - 1, 0, 1);
                EXPECT_LT(MeanStep(image, r.left, r.top + edge, r.left, r.top + next, 1, 0, size), insideRows * 1.8 + 10)
                    << name << " " << r.left << " row " << edge;
            }
        }
}

TEST(Terrain, CurvedQuartersAndLandQuartersFitTogether) {
    for (const auto& [name, image] : Pictures())
        for (auto [land, curved, plain] : {std::tuple{terrain_sheet::kLandWater, terrain_sheet::kWaterCurved, terrain_sheet::kWater},
                                           std::tuple{terrain_sheet::kLandRough, terrain_sheet::kRoughCurved, terrain_sheet::kRough}}) {
            int both = 0, neither = 0, unlike = 0;
            for (int y = 0; y < 64; ++y)
                for (int x = 0; x < 64; ++x) {
                    const Rgb a = image.At(land.left + x, land.top + y), b = image.At(curved.left + x, curved.top + y);
                    both += !IsKey(a) && !IsKey(b);
                    neither += IsKey(a) && IsKey(b);
                    const Rgb drawn = IsKey(a) ? b : a;
                    unlike += drawn != image.At(plain.left + x, plain.top + y);
                }
            // Together the two shapes make exactly one plain block.
            EXPECT_EQ(both, 0) << name;
            EXPECT_EQ(neither, 0) << name;
            EXPECT_EQ(unlike, 0) << name;
            // The curve of each quarter is rounded about the tile's centre.
            const bool keyed[] = {IsKey(image.At(curved.left + 31, curved.top + 31)), IsKey(image.At(curved.left, curved.top)),
                                  IsKey(image.At(curved.left + 63, curved.top + 63)), IsKey(image.At(land.left, land.top))};
            EXPECT_EQ(std::vector<bool>(std::begin(keyed), std::end(keyed)), (std::vector<bool>{false, true, true, false})) << name;
        }
}

TEST(Terrain, ClearingCrossingsFogAndDotsAreOpaque) {
    for (const auto& [name, image] : Pictures()) {
        for (Rect r : {terrain_sheet::kClearing, terrain_sheet::kCrossingNS, terrain_sheet::kCrossingWE, terrain_sheet::kFog})
            EXPECT_EQ(CountKey(image, r), 0) << name << " " << r.left;
        std::vector<Rgb> dots;
        for (int left : terrain_sheet::kDotLeft) {
            const Rgb dot = image.At(left, terrain_sheet::kDotTop);
            EXPECT_FALSE(IsKey(dot));
            EXPECT_FALSE(BecomesKeyIn16Bit(dot));
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 3; ++x) EXPECT_EQ(image.At(left + x, terrain_sheet::kDotTop + y), dot) << name;
            dots.push_back(dot);
        }
        EXPECT_GT(Distance(dots[0], dots[1]), 60) << name << ": land and water dots look alike";
        EXPECT_GT(Distance(dots[0], dots[3]), 40) << name << ": land and clearing dots look alike";
    }
}

}  // namespace
