// The blits the toolkit builds on: plain and keyed copies, stretching,
// colour fill, and the rectangles the device refuses. Flipping is tried
// through Present in display_restore_test.cpp.
#include <gtest/gtest.h>

#include "display_fixture.h"

namespace {

class Blits : public DisplayTest {
protected:
    void SetUp() override {
        DisplayTest::SetUp();
        ASSERT_TRUE(screen.Setup());
        sheet = Slot(0);
        back = screen.backSurface;
        Paint(back, {0, 0, 1024, 768}, kGround);
    }
    static void Paint(DrawSurface* s, DdRect r, uint32_t colour) {
        DdBltFx fx;
        fx.fillColor = colour;
        ASSERT_EQ(s->Blt(&r, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx), DD_OK);
    }
    static uint32_t At(DrawSurface* s, int x, int y) { return s->Pixels()[y * s->Pitch() + x]; }

    static constexpr uint32_t kGround = 0x00204060;
    DrawSurface* sheet = nullptr;
    DrawSurface* back = nullptr;
};

TEST_F(Blits, KeyedCopyLeavesOnlyExactBlackTransparentAndPlainCopyNothing) {
    Paint(sheet, {0, 0, 4, 4}, 0);           // black ground of a sprite
    Paint(sheet, {1, 1, 3, 3}, 0x00FF8000);  // its coloured middle
    Paint(sheet, {3, 3, 4, 4}, 0x00000001);  // nearly black is not the key
    const DdRect cell{0, 0, 4, 4};
    ASSERT_EQ(back->BltFast(10, 20, sheet, &cell, DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT), DD_OK);
    EXPECT_EQ(At(back, 10, 20), kGround);
    EXPECT_EQ(At(back, 11, 21), 0x00FF8000u);
    EXPECT_EQ(At(back, 12, 22), 0x00FF8000u);
    EXPECT_EQ(At(back, 13, 23), 1u);
    ASSERT_EQ(back->BltFast(10, 20, sheet, &cell, DDBLTFAST_NOCOLORKEY | DDBLTFAST_WAIT), DD_OK);
    EXPECT_EQ(At(back, 10, 20), 0u);
    EXPECT_EQ(At(back, 14, 20), kGround) << "nothing beyond the cell";
    // The primary has no key to copy with.
    const DdRect whole{0, 0, 1024, 768};
    EXPECT_EQ(back->BltFast(0, 0, screen.frontSurface, &whole, DDBLTFAST_SRCCOLORKEY), DDERR_NOCOLORKEY);
}

TEST_F(Blits, RectanglesOutsideEitherSurfaceAreRefusedAndDrawNothing) {
    Paint(sheet, {0, 0, 1024, 768}, 0x00FFFFFF);
    const DdRect beyondSheet{1016, 0, 1032, 32};  // a character cell past the row's end
    EXPECT_EQ(back->BltFast(0, 0, sheet, &beyondSheet, DDBLTFAST_SRCCOLORKEY), DDERR_INVALIDRECT);
    const DdRect negative{-16, 0, 0, 32};
    EXPECT_EQ(back->BltFast(0, 0, sheet, &negative, DDBLTFAST_SRCCOLORKEY), DDERR_INVALIDRECT);
    const DdRect cell{0, 0, 16, 32};
    EXPECT_EQ(back->BltFast(1016, 0, sheet, &cell, 0), DDERR_INVALIDRECT) << "no clipping";
    EXPECT_EQ(back->BltFast(-1, 0, sheet, &cell, 0), DDERR_INVALIDRECT);
    const DdRect empty{5, 5, 5, 9};
    EXPECT_EQ(back->BltFast(0, 0, sheet, &empty, 0), DDERR_INVALIDRECT);
    EXPECT_EQ(At(back, 0, 0), kGround);
    EXPECT_EQ(At(back, 1016, 0), kGround);
    EXPECT_EQ(back->BltFast(1008, 736, sheet, &cell, 0), DD_OK) << "touching the corner fits";
}

TEST_F(Blits, StretchingScalesEachSourcePixelAndShrinkingKeepsTheKey) {
    // A 2 x 1 source in the middle of the sheet, red then blue, over 8 x 2.
    Paint(sheet, {848, 96, 849, 97}, 0x00FF0000);
    Paint(sheet, {849, 96, 850, 97}, 0x000000FF);
    const DdRect from{848, 96, 850, 97};
    const DdRect to{100, 50, 108, 52};
    ASSERT_EQ(back->Blt(&to, sheet, &from, DDBLT_WAIT, nullptr), DD_OK);
    for (int y = 50; y < 52; ++y) {
        for (int x = 100; x < 104; ++x) EXPECT_EQ(At(back, x, y), 0x00FF0000u) << x;
        for (int x = 104; x < 108; ++x) EXPECT_EQ(At(back, x, y), 0x000000FFu) << x;
    }
    EXPECT_EQ(At(back, 108, 50), kGround);
    EXPECT_EQ(At(back, 100, 52), kGround);

    Paint(sheet, {0, 0, 184, 32}, 0x00808080);
    Paint(sheet, {0, 0, 92, 32}, 0);
    const DdRect plate{0, 0, 184, 32};
    const DdRect button{10, 10, 56, 18};  // a quarter the size
    ASSERT_EQ(back->Blt(&button, sheet, &plate, DDBLT_KEYSRC | DDBLT_WAIT, nullptr), DD_OK);
    EXPECT_EQ(At(back, 10, 10), kGround) << "black half keyed out";
    EXPECT_EQ(At(back, 55, 17), 0x00808080u);
}

TEST_F(Blits, OverlappingCopiesWithinOneSurfaceReadThePictureAsItWas) {
    // A 3 x 3 block of distinct values moved one pixel down and right.
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            Paint(sheet, {100 + x, 200 + y, 101 + x, 201 + y}, static_cast<uint32_t>(10 * y + x + 1));
    const DdRect block{100, 200, 103, 203};
    ASSERT_EQ(sheet->BltFast(101, 201, sheet, &block, 0), DD_OK);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(At(sheet, 101 + x, 201 + y), static_cast<uint32_t>(10 * y + x + 1)) << x << "," << y;
    const DdRect grown{100, 200, 106, 206};
    const DdRect corner{101, 201, 103, 203};
    ASSERT_EQ(sheet->Blt(&grown, sheet, &corner, DDBLT_WAIT, nullptr), DD_OK);
    EXPECT_EQ(At(sheet, 100, 200), 1u);
    EXPECT_EQ(At(sheet, 105, 205), 12u);
    EXPECT_EQ(At(sheet, 103, 200), 2u);
}

}  // namespace
