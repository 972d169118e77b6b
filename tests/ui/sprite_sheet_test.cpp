// Checks the generated sprite sheet against the layout the game copies from:
// every region has a picture, and black (the colour key) is where the game
// expects to see through and nowhere else.
#include <gtest/gtest.h>

#include <cstdlib>
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
        ASSERT_EQ(sheet_.width, sheet::kWidth);
        ASSERT_EQ(sheet_.height, sheet::kHeight);
    }
    uint32_t At(int x, int y) const { return sheet_.pixels[static_cast<size_t>(y) * sheet_.width + x]; }
    int Ink(const Rect& r) const {
        int count = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) count += At(x, y) != 0;
        return count;
    }
    static int Area(const Rect& r) { return (r.right - r.left) * (r.bottom - r.top); }
    // A sprite: drawn, on black in every corner that the colour key lets the picture behind show through.
    void ExpectSprite(const Rect& r, int minimumInk, const std::string& what) const {
        EXPECT_GE(Ink(r), minimumInk) << what;
        EXPECT_EQ(At(r.left, r.top) | At(r.right - 1, r.top) | At(r.left, r.bottom - 1) | At(r.right - 1, r.bottom - 1), 0u)
            << what;
    }

    DecodedBitmap sheet_;
};

TEST_F(GeneratedSpriteSheet, EveryGlyphHasInkOnBlackAndTheSpaceIsEmpty) {
    for (int size : {kSmallFont, kLargeFont}) {
        const int last = size == kSmallFont ? sheet::kSmallLastChar : sheet::kLargeLastChar;
        EXPECT_EQ(Ink(*GlyphSource(' ', size)), 0) << "size " << size;
        for (int code = 33; code <= last; ++code) {
            const Rect cell = *GlyphSource(static_cast<char>(code), size);
            ExpectSprite(cell, 1, "size " + std::to_string(size) + " code " + std::to_string(code));
            EXPECT_LT(Ink(cell), Area(cell) * 7 / 8) << "size " << size << " code " << code;
        }
    }
    // Small text never reaches past Z, so these cells are the ready marks'
    // room; anything else there would show beside the marks on the map.
    for (const Rect& r : {Rect{472, 32, 475, 48}, Rect{475, 32, 495, 35}, Rect{475, 45, 495, 48}, Rect{495, 32, 528, 48}})
        EXPECT_EQ(Ink(r), 0) << r.left << "," << r.top;
}

// Plates, panels, the box and the swatches are copied without the key or
// stretched: a black pixel there would show as a hole.
TEST_F(GeneratedSpriteSheet, StretchedInterfacePicturesHaveNoHolesAndTheMiniMapDotsDiffer) {
    std::vector<Rect> solid = {sheet::kButtonPlate, sheet::kButtonPlateLit, sheet::kPopupBox, sheet::kUpperPanel,
                               sheet::kLowerPanel};
    for (int c = 0; c < 4; ++c) {
        solid.push_back(sheet::ColourSwatch(c));
        solid.push_back(sheet::ColourSwatchLower(c));
        for (int other = 0; other < c; ++other) {
            const uint32_t a = At(sheet::MiniMapDot(c).left, 96), b = At(sheet::MiniMapDot(other).left, 96);
            int distance = 0;
            for (int shift : {0, 8, 16}) distance += std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF));
            EXPECT_GT(distance, 80) << c << " and " << other;
        }
    }
    for (const Rect& r : solid) EXPECT_EQ(Ink(r), Area(r)) << r.left << "," << r.top;
}

TEST_F(GeneratedSpriteSheet, UnitsMarkersAndFramesStandOnTransparentBlack) {
    for (int colour = 0; colour < 4; ++colour)
        for (int row = 0; row < sheet::kUnitRows; ++row) {
            const Rect cell = sheet::UnitCell(row, colour);
            const std::string what = "row " + std::to_string(row) + " colour " + std::to_string(colour);
            ExpectSprite(cell, Area(cell) / 5, what);
            EXPECT_NE(At(cell.left + 32, cell.top + 30), 0u) << what << " has a hole in its middle";
        }
    std::vector<Rect> marks = {sheet::kAttackMarker, sheet::kMoveReadyMark, sheet::kAttackReadyMark};
    for (int f = 0; f < 4; ++f) marks.push_back(sheet::BuildMarker(f));
    for (int f = 0; f < sheet::kExplosionFrames; ++f) marks.push_back(sheet::ExplosionFrame(f));
    for (const Rect& r : marks) ExpectSprite(r, 1, "mark at " + std::to_string(r.left) + "," + std::to_string(r.top));
    // The cursor and the view frame leave what they surround visible.
    for (int k = 0; k < sheet::kCursorFrames; ++k) {
        const Rect r = sheet::CursorFrame(k);
        EXPECT_GT(Ink(r), 0) << "cursor " << k;
        EXPECT_EQ(Ink({r.left + 16, r.top + 16, r.right - 16, r.bottom - 16}), 0) << "cursor " << k;
    }
    const Rect v = sheet::kViewFrame;
    EXPECT_EQ(Ink(v), 2 * (v.right - v.left) + 2 * (v.bottom - v.top) - 4) << "only the frame's rim is drawn";
}

}  // namespace

