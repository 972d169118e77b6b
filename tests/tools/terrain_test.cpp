// Terrain pictures: every region of the layout, ground that tiles without
// seams, curved quarters that join water and rough ground to land.

#include <gtest/gtest.h>

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
        grounds.push_back(image.At(terrain::kDotLeft[0], terrain::kDotTop));
    }
    for (size_t a = 0; a < grounds.size(); ++a)
        for (size_t b = a + 1; b < grounds.size(); ++b) EXPECT_GT(Distance(grounds[a], grounds[b]), 60);
}

TEST(Terrain, GroundCellsTileWithoutSeams) {
    for (const auto& [name, image] : Pictures()) {
        // Compare each cell's last column with the next cell's first column
        // (wrapping from the sixth cell to the first) against the steps inside a cell.
        for (int cell = 0; cell < 6; ++cell) {
            const int edge = cell * 64 + 63, next = (edge + 1) % 384;
            const double inside = MeanStep(image, edge - 1, 0, edge, 0, 0, 1, 384);
            EXPECT_LT(MeanStep(image, edge, 0, next, 0, 0, 1, 384), inside * 1.6 + 6) << name << " column " << edge;
            const double insideRows = MeanStep(image, 0, edge - 1, 0, edge, 1, 0, 384);
            EXPECT_LT(MeanStep(image, 0, edge, 0, next, 1, 0, 384), insideRows * 1.6 + 6) << name << " row " << edge;
        }
        EXPECT_EQ(CountKey(image, terrain::kGround), 0) << name;
    }
}

TEST(Terrain, PlainWaterAndRoughGroundTileWithThemselves) {
    for (const auto& [name, image] : Pictures())
        for (Rect r : {terrain::kWater, terrain::kRough}) {
            EXPECT_EQ(CountKey(image, r), 0) << name;
            const double inside = MeanStep(image, r.left + 30, r.top, r.left + 31, r.top, 0, 1, 64);
            EXPECT_LT(MeanStep(image, r.right - 1, r.top, r.left, r.top, 0, 1, 64), inside * 1.8 + 10) << name;
            const double insideRows = MeanStep(image, r.left, r.top + 30, r.left, r.top + 31, 1, 0, 64);
            EXPECT_LT(MeanStep(image, r.left, r.bottom - 1, r.left, r.top, 1, 0, 64), insideRows * 1.8 + 10) << name;
        }
}

TEST(Terrain, CurvedQuartersAndLandQuartersFitTogether) {
    for (const auto& [name, image] : Pictures())
        for (auto [land, curved, plain] : {std::tuple{terrain::kLandWater, terrain::kWaterCurved, terrain::kWater},
                                           std::tuple{terrain::kLandRough, terrain::kRoughCurved, terrain::kRough}}) {
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
            EXPECT_FALSE(IsKey(image.At(curved.left + 31, curved.top + 31))) << name;
            EXPECT_TRUE(IsKey(image.At(curved.left, curved.top))) << name;
            EXPECT_TRUE(IsKey(image.At(curved.left + 63, curved.top + 63))) << name;
            EXPECT_FALSE(IsKey(image.At(land.left, land.top))) << name;
            EXPECT_TRUE(IsKey(image.At(land.left + 32, land.top + 32))) << name;
        }
}

TEST(Terrain, ClearingCrossingsFogAndDotsAreOpaque) {
    for (const auto& [name, image] : Pictures()) {
        for (Rect r : {terrain::kClearing, terrain::kCrossingNS, terrain::kCrossingWE, terrain::kFog})
            EXPECT_EQ(CountKey(image, r), 0) << name << " " << r.left;
        std::vector<Rgb> dots;
        for (int left : terrain::kDotLeft) {
            const Rgb dot = image.At(left, terrain::kDotTop);
            EXPECT_FALSE(IsKey(dot));
            EXPECT_FALSE(BecomesKeyIn16Bit(dot));
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 3; ++x) EXPECT_EQ(image.At(left + x, terrain::kDotTop + y), dot) << name;
            dots.push_back(dot);
        }
        EXPECT_GT(Distance(dots[0], dots[1]), 60) << name << ": land and water dots look alike";
        EXPECT_GT(Distance(dots[0], dots[3]), 40) << name << ": land and clearing dots look alike";
    }
}

}  // namespace
