// Checks the generated sprite sheet against the layout the game copies from:
// every region has a picture, and black (the colour key) is where the game
// expects to see through and nowhere else.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "ui/bmp_decode.h"
#include "ui/sprite_layout.h"
#include "ui/text_layout.h"

namespace {

class GeneratedSpriteSheet : public ::testing::Test {
protected:
    void SetUp() override {
        const std::filesystem::path path = std::filesystem::path(KV_DATA_DIR) / "Images" / "Sprites.bmp";
        if (!std::filesystem::exists(path)) GTEST_SKIP() << "no generated sheet at " << path;
        std::string bytes;
        ASSERT_TRUE(ReadGameFile(path.string(), bytes));
        ASSERT_TRUE(DecodeBmp(bytes, sheet_));
        ASSERT_EQ((std::pair{sheet_.width, sheet_.height}), (std::pair{sheet::kWidth, sheet::kHeight}));
    }
    uint32_t At(int x, int y) const { return sheet_.pixels[static_cast<size_t>(y) * sheet_.width + x]; }
    int Ink(const Rect& r) const {
        int count = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) count += At(x, y) != 0;
        return count;
    }
    static int Area(const Rect& r) { return (r.right - r.left) * (r.bottom - r.top); }
    // A sprite: drawn, on black in every corner, where the key lets the picture behind show through.
    void ExpectSprite(const Rect& r, int minimumInk) const {
        EXPECT_GE(Ink(r), minimumInk) << r.left << "," << r.top;
        EXPECT_EQ(At(r.left, r.top) | At(r.right - 1, r.top) | At(r.left, r.bottom - 1) | At(r.right - 1, r.bottom - 1), 0u)
            << r.left << "," << r.top;
    }

    DecodedBitmap sheet_;
};

TEST_F(GeneratedSpriteSheet, GlyphsUnitsAndMarksAreSpritesOnTransparentBlack) {
    for (int size : {kSmallFont, kLargeFont}) {
        EXPECT_EQ(Ink(*GlyphSource(' ', size)), 0) << "size " << size;
        for (int code = 33; code <= (size == kSmallFont ? sheet::kSmallLastChar : sheet::kLargeLastChar); ++code)
            ExpectSprite(*GlyphSource(static_cast<char>(code), size), 1);
    }
    // Small text never reaches past Z: these cells are the ready marks' room,
    // and anything else there would show beside the marks on the map.
    for (const Rect& r : {Rect{472, 32, 475, 48}, Rect{475, 32, 495, 35}, Rect{475, 45, 495, 48}, Rect{495, 32, 528, 48}})
        EXPECT_EQ(Ink(r), 0) << r.left << "," << r.top;
    for (int colour = 0; colour < 4; ++colour)
        for (int row = 0; row < sheet::kUnitRows; ++row) {
            const Rect cell = sheet::UnitCell(row, colour);
            ExpectSprite(cell, Area(cell) / 5);
            EXPECT_NE(At(cell.left + 32, cell.top + 30), 0u) << cell.left << "," << cell.top << " has a hole";
        }
    std::vector<Rect> marks = {sheet::kAttackMarker, sheet::kMoveReadyMark, sheet::kAttackReadyMark};
    for (int f = 0; f < 4; ++f) marks.push_back(sheet::BuildMarker(f));
    for (int f = 0; f < sheet::kExplosionFrames; ++f) marks.push_back(sheet::ExplosionFrame(f));
    for (const Rect& r : marks) ExpectSprite(r, 1);
}

// Plates, panels, the box and the swatches are copied without the key or
// stretched: a black pixel there would show as a hole. The cursor and the
// view frame leave what they surround visible.
TEST_F(GeneratedSpriteSheet, StretchedPicturesHaveNoHolesAndFramesAreHollow) {
    std::vector<Rect> solid = {sheet::kButtonPlate, sheet::kButtonPlateLit, sheet::kPopupBox, sheet::kUpperPanel,
                               sheet::kLowerPanel};
    for (int c = 0; c < 4; ++c) solid.insert(solid.end(), {sheet::ColourSwatch(c), sheet::ColourSwatchLower(c)});
    for (const Rect& r : solid) EXPECT_EQ(Ink(r), Area(r)) << r.left << "," << r.top;
    for (int k = 0; k < sheet::kCursorFrames; ++k) {
        const Rect r = sheet::CursorFrame(k);
        EXPECT_GT(Ink(r), 0) << "cursor " << k;
        EXPECT_EQ(Ink({r.left + 16, r.top + 16, r.right - 16, r.bottom - 16}), 0) << "cursor " << k;
    }
    const Rect v = sheet::kViewFrame;
    EXPECT_EQ(Ink(v), 2 * (v.right - v.left) + 2 * (v.bottom - v.top) - 4) << "only the frame's rim is drawn";
}

}  // namespace
