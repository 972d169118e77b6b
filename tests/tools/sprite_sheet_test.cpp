// The sprite sheet as drawn: no colour that a 16-bit display turns into the
// key, and units told apart by faction and colour. The regions themselves are checked on the generated file in
// tests/ui/sprite_sheet_test.cpp, against the layout the game copies from.

#include <gtest/gtest.h>

#include "assetgen/sprite_sheet.h"
#include "tools/picture_checks.h"

namespace {

using namespace assetgen;
using namespace kvtest;

const Image& Sheet() {
    static const Image sheet = MakeSpriteSheet();
    return sheet;
}

TEST(SpriteSheet, NoDrawnColourBecomesTheKeyAtSixteenBits) {
    int keyedAt16 = 0;
    for (int y = 0; y < Sheet().Height(); ++y)
        for (int x = 0; x < Sheet().Width(); ++x) keyedAt16 += !IsKey(Sheet().At(x, y)) && BecomesKeyIn16Bit(Sheet().At(x, y));
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
            EXPECT_GT(differing(sheet::UnitCell(f, 0), sheet::UnitCell(g, 0)), 400) << "factions " << f << " and " << g;
    // Same shape in every colour column, different colours.
    for (int row = 0; row < sheet::kUnitRows; ++row) {
        EXPECT_EQ(differing(sheet::UnitCell(row, 0), sheet::UnitCell(row, 3)), 0);
        int recoloured = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                recoloured += Sheet().At(x, 96 + 64 * row + y) != Sheet().At(64 + x, 96 + 64 * row + y);
        EXPECT_GT(recoloured, 150) << "row " << row;
    }
}

}  // namespace
