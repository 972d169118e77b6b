// The sprite sheet as drawn: nothing outside the regions, no colour that a
// 16-bit display turns into the key, and units told apart by faction and
// colour. The regions themselves are checked on the generated file in
// tests/ui/sprite_sheet_test.cpp, against the layout the game copies from.

#include <gtest/gtest.h>

#include <vector>

#include "assetgen/sprite_sheet.h"
#include "tools/picture_checks.h"

namespace {

using namespace assetgen;
using namespace kvtest;

const Image& Sheet() {
    static const Image sheet = MakeSpriteSheet();
    return sheet;
}

std::vector<Rect> AllRegions() {
    std::vector<Rect> regions = {sheet::kLargeFont, sheet::kSmallFont, sheet::kPlate,      sheet::kPlateLit,
                                 sheet::kAttackMarker, sheet::kMoveReady, sheet::kAttackReady, sheet::kViewFrame,
                                 sheet::kUpperPanel, sheet::kLowerPanel, sheet::kPopup};
    for (int i = 0; i < 4; ++i) {
        regions.push_back(sheet::BuildMarker(i));
        regions.push_back(sheet::Cursor(i));
        regions.push_back(sheet::ColourBoxSwatch(i));
        regions.push_back(sheet::ScoreSwatch(i));
    }
    for (int f = 0; f < 16; ++f) regions.push_back(sheet::Explosion(f));
    for (int c = 0; c < kColours; ++c)
        for (int row = 0; row < sheet::kUnitRows; ++row) regions.push_back(sheet::Unit(c, row));
    return regions;
}

TEST(SpriteSheet, IsEmptyOutsideItsRegionsAndNoDrawnColourBecomesTheKeyAtSixteenBits) {
    ASSERT_EQ(Sheet().Width(), 1024);
    ASSERT_EQ(Sheet().Height(), 768);
    const std::vector<Rect> regions = AllRegions();
    int stray = 0, keyedAt16 = 0;
    for (int y = 0; y < 768; ++y)
        for (int x = 0; x < 1024; ++x) {
            const Rgb c = Sheet().At(x, y);
            bool inside = false;
            for (const Rect& r : regions) inside |= x >= r.left && x < r.right && y >= r.top && y < r.bottom;
            stray += !inside && !IsKey(c);
            keyedAt16 += !IsKey(c) && BecomesKeyIn16Bit(c);
        }
    EXPECT_EQ(stray, 0);
    EXPECT_EQ(keyedAt16, 0);
}

TEST(SpriteSheet, UnitPicturesDifferByFactionAndColour) {
    auto differing = [](Rect a, Rect b) {
        int n = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                n += IsKey(Sheet().At(a.left + x, a.top + y)) != IsKey(Sheet().At(b.left + x, b.top + y));
        return n;
    };
    for (int f = 0; f < 4; ++f)
        for (int g = f + 1; g < 4; ++g)
            EXPECT_GT(differing(sheet::Unit(0, f), sheet::Unit(0, g)), 400) << "factions " << f << " and " << g;
    // Same shape in every colour column, different colours.
    for (int row = 0; row < sheet::kUnitRows; ++row) {
        EXPECT_EQ(differing(sheet::Unit(0, row), sheet::Unit(3, row)), 0);
        int recoloured = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                recoloured += Sheet().At(x, 96 + 64 * row + y) != Sheet().At(64 + x, 96 + 64 * row + y);
        EXPECT_GT(recoloured, 150) << "row " << row;
    }
}

}  // namespace
