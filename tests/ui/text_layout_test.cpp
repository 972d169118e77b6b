#include "ui/text_layout.h"

#include <gtest/gtest.h>

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

}  // namespace
