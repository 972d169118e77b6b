#include "ui/text_layout.h"

#include <gtest/gtest.h>

namespace {

// The drawing tests paint their made-up sheet through GlyphSource, so the
// cells are pinned here against the sheet's layout.
TEST(GlyphSource, EachFontIsOneRowOfCellsByCode) {
    EXPECT_EQ(GlyphSource(' ', kSmallFont), (Rect{0, 32, 8, 48}));
    EXPECT_EQ(GlyphSource('A', kSmallFont), (Rect{264, 32, 272, 48}));
    EXPECT_EQ(GlyphSource('Z', kSmallFont), (Rect{464, 32, 472, 48}));
    EXPECT_EQ(GlyphSource('0', kLargeFont), (Rect{256, 0, 272, 32}));
    EXPECT_EQ(GlyphSource('_', kLargeFont), (Rect{1008, 0, 1024, 32}));
}

TEST(GlyphSource, CharactersOutsideAFontHaveNoGlyph) {
    for (char c : {'\t', 'a', '`', static_cast<char>(0xC9)}) EXPECT_FALSE(GlyphSource(c, kLargeFont)) << int(c);
    // The small row goes on with the ready marks and the cursor after Z:
    // those cells are pictures, not letters.
    for (char c : {'\t', '[', 'a'}) EXPECT_FALSE(GlyphSource(c, kSmallFont)) << int(c);
}

}  // namespace
