// Checks the generated sprite sheet against the layout the game copies from:
// every region has a picture, and black (the colour key) is where the game
// expects to see through.
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
    int Area(const Rect& r) const { return (r.right - r.left) * (r.bottom - r.top); }
    bool CornersClear(const Rect& r) const {
        return At(r.left, r.top) == 0 && At(r.right - 1, r.top) == 0 && At(r.left, r.bottom - 1) == 0 &&
               At(r.right - 1, r.bottom - 1) == 0;
    }

    DecodedBitmap sheet_;
};

TEST_F(GeneratedSpriteSheet, EveryGlyphHasInkOnBlackAndTheSpaceIsEmpty) {
    for (int size : {kSmallFont, kLargeFont}) {
        const int last = size == kSmallFont ? sheet::kSmallLastChar : sheet::kLargeLastChar;
        EXPECT_EQ(Ink(*GlyphSource(' ', size)), 0) << "size " << size;
        for (int code = 33; code <= last; ++code) {
            const Rect cell = *GlyphSource(static_cast<char>(code), size);
            const int ink = Ink(cell);
            EXPECT_GT(ink, 0) << "size " << size << " code " << code;
            // Letters are drawn on black, which the colour key lets the
            // picture behind show through.
            EXPECT_LT(ink, Area(cell) * 7 / 8) << "size " << size << " code " << code;
            EXPECT_TRUE(CornersClear(cell)) << "size " << size << " code " << code;
        }
    }
}

TEST_F(GeneratedSpriteSheet, TheSmallRowAfterZHoldsOnlyTheReadyMarks) {
    // Small text never reaches past Z, so these cells are the marks' room;
    // anything else there would show up beside the marks on the map.
    EXPECT_EQ(Ink({472, 32, 475, 48}), 0);
    EXPECT_EQ(Ink({475, 32, 495, 35}), 0);
    EXPECT_EQ(Ink({475, 45, 495, 48}), 0);
    EXPECT_EQ(Ink({495, 32, 528, 48}), 0);
}

TEST_F(GeneratedSpriteSheet, ButtonPlatesAndTheBoxAreSolidPictures) {
    // Plates and the box are copied without the colour key: no black holes.
    for (const Rect& r : {sheet::kButtonPlate, sheet::kButtonPlateLit, sheet::kPopupBox}) {
        EXPECT_GT(Ink(r), Area(r) * 9 / 10) << r.left << "," << r.top;
    }
    EXPECT_NE(Ink(sheet::kButtonPlate), 0);
    EXPECT_NE(At(92, 64), At(276, 64)) << "the lit plate must look different";
}

TEST_F(GeneratedSpriteSheet, UnitsAndMarkersStandOnTransparentBlack) {
    for (int colour = 0; colour < 4; ++colour) {
        for (int type : {kStandard, kBase, kAir, kTank, kArtillery}) {
            const int factions = type == kStandard ? 4 : 1;
            for (int faction = 0; faction < factions; ++faction) {
                const Rect cell = sheet::UnitPicture(type, faction, colour);
                EXPECT_GT(Ink(cell), Area(cell) / 10) << "type " << type << " faction " << faction << " colour " << colour;
                EXPECT_TRUE(CornersClear(cell)) << "type " << type << " faction " << faction << " colour " << colour;
            }
        }
    }
    std::vector<Rect> marks = {sheet::kAttackMarker, sheet::kMoveReadyMark, sheet::kAttackReadyMark};
    for (int f = 0; f < 4; ++f) marks.push_back(sheet::BuildMarker(f));
    for (const Rect& r : marks) {
        EXPECT_GT(Ink(r), 0) << r.left << "," << r.top;
        EXPECT_LT(Ink(r), Area(r)) << r.left << "," << r.top;
    }
}

TEST_F(GeneratedSpriteSheet, AnimationFramesAreAllThere) {
    for (int k = 0; k < sheet::kCursorFrames; ++k) {
        const Rect r = sheet::CursorFrame(k);
        EXPECT_GT(Ink(r), 0) << "cursor " << k;
        EXPECT_GT(Area(r) - Ink(r), Area(r) / 2) << "cursor " << k << " must leave the unit visible";
    }
    for (int f = 0; f < sheet::kExplosionFrames; ++f) {
        const Rect r = sheet::ExplosionFrame(f);
        EXPECT_GT(Ink(r), 0) << "explosion " << f;
        EXPECT_TRUE(CornersClear(r)) << "explosion " << f;
    }
}

TEST_F(GeneratedSpriteSheet, PanelsFrameAndSwatchesAreThere) {
    EXPECT_GT(Ink(sheet::kUpperPanel), Area(sheet::kUpperPanel) / 4);
    EXPECT_GT(Ink(sheet::kLowerPanel), Area(sheet::kLowerPanel) / 4);
    EXPECT_GT(Ink(sheet::kViewFrame), 0);
    EXPECT_LT(Ink(sheet::kViewFrame), Area(sheet::kViewFrame)) << "the view frame must be see-through inside";
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(Ink(sheet::ColourSwatch(c)), Area(sheet::ColourSwatch(c))) << c;
        EXPECT_EQ(Ink(sheet::MiniMapDot(c)), 9) << c;
        for (int other = 0; other < c; ++other) {
            const Rect a = sheet::MiniMapDot(c), b = sheet::MiniMapDot(other);
            EXPECT_NE(At(a.left + 1, a.top + 1), At(b.left + 1, b.top + 1)) << c << " and " << other;
        }
    }
}

}  // namespace
