// The blits the toolkit builds on: plain and keyed copies, stretching,
// colour fill and the rectangles the device refuses.
#include <gtest/gtest.h>

#include "display_fixture.h"

namespace {

class Blits : public DisplayTest {
protected:
    void SetUp() override {
        DisplayTest::SetUp();
        ASSERT_TRUE(screen.Setup());
        sheet = screen.offscreenSurfaces.at(0);
        back = screen.backSurface;
        Paint(back, {0, 0, 1024, 768}, kGround);
    }
    static void Paint(DrawSurface* s, DdRect r, uint32_t colour) {
        DdBltFx fx{.fillColor = colour};
        ASSERT_EQ(s->Blt(&r, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx), DD_OK);
    }
    static uint32_t At(DrawSurface* s, int x, int y) { return s->Pixels()[y * s->Pitch() + x]; }

    static constexpr uint32_t kGround = 0x00204060;
    DrawSurface* sheet = nullptr;
    DrawSurface* back = nullptr;
};

TEST_F(Blits, KeyedCopyLeavesOnlyExactBlackTransparentAndABackgroundCopyNothing) {
    Paint(sheet, {0, 0, 4, 4}, 0);           // black ground of a sprite
    Paint(sheet, {1, 1, 3, 3}, 0x00FF8000);  // its coloured middle
    Paint(sheet, {3, 3, 4, 4}, 0x00000001);  // nearly black is not the key
    const DdRect cell{0, 0, 4, 4};
    ASSERT_EQ(back->BltFast(10, 20, sheet, &cell, DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT), DD_OK);
    EXPECT_EQ(At(back, 10, 20), kGround);
    EXPECT_EQ(At(back, 12, 22), 0x00FF8000u);
    EXPECT_EQ(At(back, 13, 23), 1u);
    ASSERT_EQ(screen.CopySurface(back, sheet), DD_OK);
    EXPECT_EQ(At(back, 10, 20), 0u);
}

// No clipping: a rectangle one pixel outside either surface draws nothing.
TEST_F(Blits, RectanglesOutsideEitherSurfaceAreRefused) {
    struct Case { int x, y; DdRect from; HResult result; };
    const Case cases[] = {
        {0, 0, {1009, 0, 1025, 32}, DDERR_INVALIDRECT},   // one past the sheet's right edge
        {0, 0, {-1, 0, 15, 32}, DDERR_INVALIDRECT},
        {0, 0, {0, 737, 16, 769}, DDERR_INVALIDRECT},     // one past its bottom
        {0, 0, {5, 5, 5, 9}, DDERR_INVALIDRECT},          // empty
        {1009, 0, {0, 0, 16, 32}, DDERR_INVALIDRECT},     // one past the target's right edge
        {-1, 0, {0, 0, 16, 32}, DDERR_INVALIDRECT},
        {0, 737, {0, 0, 16, 32}, DDERR_INVALIDRECT},
        {1008, 736, {0, 0, 16, 32}, DD_OK},               // touching the corner fits
    };
    Paint(sheet, {0, 0, 1024, 768}, 0x00FFFFFF);
    for (const Case& c : cases) {
        EXPECT_EQ(back->BltFast(c.x, c.y, sheet, &c.from, 0), c.result) << c.x << "," << c.y << " " << c.from.left;
        EXPECT_EQ(At(back, 1008, 0), kGround) << c.x << "," << c.y << " " << c.from.left;
    }
}

// A 2 x 1 source, red then blue, over 8 x 2; a plate shrunk to a quarter keeps its key.
TEST_F(Blits, StretchingScalesEachSourcePixelAndShrinkingKeepsTheKey) {
    Paint(sheet, {848, 96, 849, 97}, 0x00FF0000);
    Paint(sheet, {849, 96, 850, 97}, 0x000000FF);
    const DdRect from{848, 96, 850, 97}, to{100, 50, 108, 52};
    ASSERT_EQ(back->Blt(&to, sheet, &from, DDBLT_WAIT, nullptr), DD_OK);
    Paint(sheet, {0, 0, 184, 32}, 0x00808080);
    Paint(sheet, {0, 0, 92, 32}, 0);
    const DdRect plate{0, 0, 184, 32}, button{10, 10, 56, 18};
    ASSERT_EQ(back->Blt(&button, sheet, &plate, DDBLT_KEYSRC | DDBLT_WAIT, nullptr), DD_OK);
    const std::pair<Point, uint32_t> expected[] = {{{100, 50}, 0x00FF0000}, {{103, 51}, 0x00FF0000}, {{104, 50}, 0x000000FF},
                                                   {{107, 51}, 0x000000FF}, {{108, 50}, kGround},    {{100, 52}, kGround},
                                                   {{10, 10}, kGround},     {{55, 17}, 0x00808080}};
    for (const auto& [p, colour] : expected) EXPECT_EQ(At(back, p.x, p.y), colour) << p.x << "," << p.y;
}

}  // namespace
