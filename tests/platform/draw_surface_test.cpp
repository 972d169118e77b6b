// The blits the toolkit builds on: plain and keyed copies, stretching,
// colour fill, and the rectangles the device refuses.
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

TEST_F(Blits, KeyedCopyLeavesBlackTransparentAndPlainCopyDoesNot) {
    Paint(sheet, {0, 0, 4, 4}, 0);            // black ground of a sprite
    Paint(sheet, {1, 1, 3, 3}, 0x00FF8000);   // its coloured middle
    const DdRect cell{0, 0, 4, 4};
    ASSERT_EQ(back->BltFast(10, 20, sheet, &cell, DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT), DD_OK);
    EXPECT_EQ(At(back, 10, 20), kGround);
    EXPECT_EQ(At(back, 11, 21), 0x00FF8000u);
    EXPECT_EQ(At(back, 12, 22), 0x00FF8000u);
    EXPECT_EQ(At(back, 13, 23), kGround);
    ASSERT_EQ(back->BltFast(10, 20, sheet, &cell, DDBLTFAST_NOCOLORKEY | DDBLTFAST_WAIT), DD_OK);
    EXPECT_EQ(At(back, 10, 20), 0u);
    EXPECT_EQ(At(back, 14, 20), kGround) << "nothing beyond the cell";
}

TEST_F(Blits, NearlyBlackIsNotTransparent) {
    Paint(sheet, {0, 0, 2, 1}, 0x00000001);
    const DdRect cell{0, 0, 2, 1};
    ASSERT_EQ(back->BltFast(0, 0, sheet, &cell, DDBLTFAST_SRCCOLORKEY), DD_OK);
    EXPECT_EQ(At(back, 0, 0), 1u);
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

TEST_F(Blits, StretchedCopyScalesEachSourcePixel) {
    // A 2 x 1 source: red then blue, stretched over 8 x 2.
    Paint(sheet, {0, 0, 1, 1}, 0x00FF0000);
    Paint(sheet, {1, 0, 2, 1}, 0x000000FF);
    const DdRect from{0, 0, 2, 1};
    const DdRect to{100, 50, 108, 52};
    ASSERT_EQ(back->Blt(&to, sheet, &from, DDBLT_WAIT, nullptr), DD_OK);
    for (int y = 50; y < 52; ++y) {
        for (int x = 100; x < 104; ++x) EXPECT_EQ(At(back, x, y), 0x00FF0000u) << x;
        for (int x = 104; x < 108; ++x) EXPECT_EQ(At(back, x, y), 0x000000FFu) << x;
    }
    EXPECT_EQ(At(back, 108, 50), kGround);
    EXPECT_EQ(At(back, 100, 52), kGround);
}

TEST_F(Blits, ShrinkingCopyAndKeyedStretch) {
    Paint(sheet, {0, 0, 184, 32}, 0x00808080);
    Paint(sheet, {0, 0, 92, 32}, 0);
    const DdRect plate{0, 0, 184, 32};
    const DdRect button{10, 10, 56, 18};  // a quarter the size
    ASSERT_EQ(back->Blt(&button, sheet, &plate, DDBLT_KEYSRC | DDBLT_WAIT, nullptr), DD_OK);
    EXPECT_EQ(At(back, 10, 10), kGround) << "black half keyed out";
    EXPECT_EQ(At(back, 55, 17), 0x00808080u);
}

TEST_F(Blits, CopyWithinOneSurfaceMayOverlap) {
    for (int x = 0; x < 8; ++x) Paint(sheet, {x, 0, x + 1, 1}, static_cast<uint32_t>(x + 1));
    const DdRect from{0, 0, 8, 1};
    ASSERT_EQ(sheet->BltFast(2, 0, sheet, &from, 0), DD_OK);
    for (int x = 2; x < 10; ++x) EXPECT_EQ(At(sheet, x, 0), static_cast<uint32_t>(x - 1)) << x;
}

TEST_F(Blits, OverlappingCopyDownAndRightWithinOneSurface) {
    // A 3 x 3 block of distinct values moved one pixel down and right.
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            Paint(sheet, {100 + x, 200 + y, 101 + x, 201 + y}, static_cast<uint32_t>(10 * y + x + 1));
    const DdRect block{100, 200, 103, 203};
    ASSERT_EQ(sheet->BltFast(101, 201, sheet, &block, 0), DD_OK);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(At(sheet, 101 + x, 201 + y), static_cast<uint32_t>(10 * y + x + 1)) << x << "," << y;
    // A stretched overlapping copy reads the picture as it was, too.
    const DdRect grown{100, 200, 106, 206};
    const DdRect corner{101, 201, 103, 203};
    ASSERT_EQ(sheet->Blt(&grown, sheet, &corner, DDBLT_WAIT, nullptr), DD_OK);
    EXPECT_EQ(At(sheet, 100, 200), 1u);
    EXPECT_EQ(At(sheet, 105, 205), 12u);
    EXPECT_EQ(At(sheet, 103, 200), 2u);
}

TEST_F(Blits, StretchFromTheMiddleOfTheSheetUsesThatRegion) {
    Paint(sheet, {0, 0, 1024, 768}, 0x00010101);
    Paint(sheet, {848, 96, 880, 124}, 0x00C00000);  // a colour swatch
    const DdRect swatch{848, 96, 880, 124};
    const DdRect onScreen{900, 300, 1000, 320};
    ASSERT_EQ(back->Blt(&onScreen, sheet, &swatch, DDBLT_WAIT, nullptr), DD_OK);
    EXPECT_EQ(At(back, 900, 300), 0x00C00000u);
    EXPECT_EQ(At(back, 999, 319), 0x00C00000u);
    EXPECT_EQ(At(back, 899, 300), kGround);
}

TEST_F(Blits, KeyedCopyFromASurfaceWithoutKeyIsRefused) {
    const DdRect whole{0, 0, 1024, 768};
    EXPECT_EQ(back->BltFast(0, 0, screen.frontSurface, &whole, DDBLTFAST_SRCCOLORKEY),
              DDERR_NOCOLORKEY);
    EXPECT_EQ(back->BltFast(0, 0, screen.frontSurface, &whole, DDBLTFAST_WAIT), DD_OK);
}

TEST_F(Blits, OnlyThePrimaryFlipsAndOnlyWithItsOwnBackBuffer) {
    EXPECT_EQ(back->Flip(nullptr, DDFLIP_WAIT), DDERR_NOTFLIPPABLE);
    EXPECT_EQ(sheet->Flip(nullptr, DDFLIP_WAIT), DDERR_NOTFLIPPABLE);
    EXPECT_EQ(screen.frontSurface->Flip(sheet, DDFLIP_WAIT), DDERR_INVALIDPARAMS);
    EXPECT_EQ(screen.frontSurface->Flip(back, DDFLIP_WAIT), DD_OK);
    EXPECT_EQ(screen.frontSurface->GetFlipStatus(DDGFS_ISFLIPDONE), DD_OK);
}

TEST_F(Blits, SurfaceDescriptionsReportTheModeAndPlacement) {
    DdSurfaceDesc desc;
    ASSERT_EQ(screen.frontSurface->GetSurfaceDesc(&desc), DD_OK);
    EXPECT_TRUE(desc.caps.caps & DDSCAPS_PRIMARYSURFACE);
    EXPECT_EQ(desc.backBufferCount, 1u);
    EXPECT_EQ(desc.pixelFormat.rgbBitCount, 32u);
    ASSERT_EQ(sheet->GetSurfaceDesc(&desc), DD_OK);
    EXPECT_EQ(desc.width, 1024u);
    EXPECT_EQ(desc.height, 768u);
    EXPECT_EQ(desc.pitch, 4096);
    EXPECT_TRUE(desc.caps.caps & DDSCAPS_OFFSCREENPLAIN);
    EXPECT_TRUE(desc.caps.caps & DDSCAPS_VIDEOMEMORY);
    EXPECT_TRUE(desc.flags & DDSD_CKSRCBLT);
    DrawSurface* second = nullptr;
    DdSurfaceDesc primary;
    primary.flags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    primary.backBufferCount = 1;
    primary.caps.caps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    EXPECT_EQ(screen.directDraw->CreateSurface(primary, &second), DDERR_PRIMARYSURFACEALREADYEXISTS);
    EXPECT_EQ(second, nullptr);
}

}  // namespace
