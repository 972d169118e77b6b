// Where glyphs come from in the sheet and where a label sits on its button.
#include <gtest/gtest.h>

#include "ui/button_table.h"
#include "ui/text_layout.h"

namespace {

// Each font is one row of cells from the space on; the drawing tests paint
// their made-up sheet through GlyphSource, so the first and last cells of
// each row are pinned here, with the characters just beyond them.
TEST(GlyphSource, EachFontIsOneRowOfCellsByCodeFromTheSpaceToItsLastCharacter) {
    EXPECT_EQ(GlyphSource(' ', kSmallFont), (Rect{0, 32, 8, 48}));
    EXPECT_EQ(GlyphSource('Z', kSmallFont), (Rect{464, 32, 472, 48}));
    EXPECT_EQ(GlyphSource('_', kLargeFont), (Rect{1008, 0, 1024, 32}));
    // After Z the small row holds the ready marks and the cursor: pictures, not letters.
    for (char c : {'\x1f', '[', static_cast<char>(0xC9)}) EXPECT_FALSE(GlyphSource(c, kSmallFont)) << int(c);
    for (char c : {'\x1f', '`', static_cast<char>(0xC9)}) EXPECT_FALSE(GlyphSource(c, kLargeFont)) << int(c);
}

// Large labels are centred through the fake in buttons_test.cpp.
TEST(LabelOrigin, SmallLabelsSitMidHeightAndWideOnesTruncateTowardZero) {
    Button b;
    b.rect = {392, 728, 632, 760};  // 240 by 32
    b.label = "OK";
    b.fontSize = kSmallFont;
    EXPECT_EQ(LabelOrigin(b), (Point{392 + 112, 728 + 8}));
    b.rect = {100, 0, 151, 33};  // 51 by 33
    b.label = "ABCD";            // 64 wide: (51 - 64) / 2 is -6, not -7
    b.fontSize = kLargeFont;
    EXPECT_EQ(LabelOrigin(b), (Point{94, 0}));
}

}  // namespace
