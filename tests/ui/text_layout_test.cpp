#include "ui/text_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(GlyphSource, SmallLettersComeFromTheSmallRowByCode) {
    // "AB" in the small font: cells 33 and 34 of the row at y 32.
    EXPECT_EQ(GlyphSource('A', kSmallFont), (Rect{264, 32, 272, 48}));
    EXPECT_EQ(GlyphSource('B', kSmallFont), (Rect{272, 32, 280, 48}));
    EXPECT_EQ(GlyphSource(' ', kSmallFont), (Rect{0, 32, 8, 48}));
    EXPECT_EQ(GlyphSource('Z', kSmallFont), (Rect{464, 32, 472, 48}));
}

TEST(GlyphSource, LargeGlyphsFillTheTopRowUpToTheUnderscore) {
    EXPECT_EQ(GlyphSource('0', kLargeFont), (Rect{256, 0, 272, 32}));
    EXPECT_EQ(GlyphSource('_', kLargeFont), (Rect{1008, 0, 1024, 32}));
}

TEST(GlyphSource, CharactersOutsideAFontHaveNoGlyph) {
    EXPECT_FALSE(GlyphSource('\t', kLargeFont));
    EXPECT_FALSE(GlyphSource('\t', kSmallFont));
    EXPECT_FALSE(GlyphSource('a', kLargeFont));
    EXPECT_FALSE(GlyphSource('`', kLargeFont));
    EXPECT_FALSE(GlyphSource(static_cast<char>(0xC9), kLargeFont));
    // The small row goes on with the ready marks and the cursor after Z:
    // those cells are pictures, not letters.
    EXPECT_FALSE(GlyphSource('[', kSmallFont));
    EXPECT_FALSE(GlyphSource('a', kSmallFont));
}

TEST(TextWidth, EveryByteTakesOneCellDrawnOrNot) {
    EXPECT_EQ(TextWidth("", kLargeFont), 0);
    EXPECT_EQ(TextWidth("A\tB", kLargeFont), 48);
    EXPECT_EQ(TextWidth("A\tB", kSmallFont), 24);
    EXPECT_EQ(FontCellHeight(kSmallFont), 16);
    EXPECT_EQ(FontCellHeight(kLargeFont), 32);
}

}  // namespace
