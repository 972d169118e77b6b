// The sprite sheet as drawn: every glyph there, no hole where the game copies
// without the key, no colour that a 16-bit display turns into the key, and
// units told apart by faction and colour.

#include <gtest/gtest.h>

#include "assetgen/sprite_sheet.h"
#include "tools/picture_checks.h"
#include "ui/text_layout.h"

namespace {

using namespace assetgen;
using namespace kvtest;

// Each font from the space (an empty cell) to its last character; plates,
// panels, the box and the swatches are stretched or copied without the key.
TEST(SpriteSheet, EveryGlyphIsDrawnAndNothingCopiedWithoutTheKeyHasAHole) {
    const Image sheet = MakeSpriteSheet();
    for (int size : {kSmallFont, kLargeFont})
        for (int code = ' '; code <= (size == kSmallFont ? sheet::kSmallLastChar : sheet::kLargeLastChar); ++code) {
            const Rect cell = *GlyphSource(static_cast<char>(code), size);
            EXPECT_EQ(CountKey(sheet, cell) == cell.Width() * cell.Height(), code == ' ') << size << " " << code;
        }
    std::vector<Rect> solid = {sheet::kButtonPlate, sheet::kButtonPlateLit, sheet::kPopupBox, sheet::kUpperPanel,
                               sheet::kLowerPanel};
    for (int c = 0; c < 4; ++c) solid.insert(solid.end(), {sheet::ColourSwatch(c), sheet::ColourSwatchLower(c)});
    for (const Rect& r : solid) EXPECT_EQ(CountKey(sheet, r), 0) << r.left << "," << r.top;
}

TEST(SpriteSheet, NoDrawnColourBecomesTheKeyAtSixteenBitsAndUnitsDifferByFactionAndColour) {
    const Image sheet = MakeSpriteSheet();
    int keyedAt16 = 0;
    for (int y = 0; y < sheet.Height(); ++y)
        for (int x = 0; x < sheet.Width(); ++x) keyedAt16 += !IsKey(sheet.At(x, y)) && BecomesKeyIn16Bit(sheet.At(x, y));
    EXPECT_EQ(keyedAt16, 0);
    // Pixels that differ between two unit cells, in shape or in colour.
    const auto differing = [&](Rect a, Rect b, bool colour) {
        int n = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                const Rgb p = sheet.At(a.left + x, a.top + y), q = sheet.At(b.left + x, b.top + y);
                n += colour ? p != q : IsKey(p) != IsKey(q);
            }
        return n;
    };
    for (int f = 0; f < 4; ++f)
        for (int g = f + 1; g < 4; ++g)
            EXPECT_GT(differing(sheet::UnitCell(f, 0), sheet::UnitCell(g, 0), false), 400) << "factions " << f << " and " << g;
    for (int row = 0; row < sheet::kUnitRows; ++row) {
        EXPECT_EQ(differing(sheet::UnitCell(row, 0), sheet::UnitCell(row, 3), false), 0) << "one shape in every colour";
        EXPECT_GT(differing(sheet::UnitCell(row, 0), sheet::UnitCell(row, 1), true), 150) << "row " << row;
    }
}

}  // namespace
