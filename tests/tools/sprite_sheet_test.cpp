// The sprite sheet: every region the game blits is there, the key black is
// only where transparency is meant, and nothing lies outside the regions.

#include <gtest/gtest.h>

#include <vector>

#include "assetgen/sprite_sheet.h"
#include "tools/picture_checks.h"

namespace {

using namespace assetgen;
using namespace kvtest;

const Image& Sheet() {
    static const Image sheet = MakeSpriteSheet();
    return sheet;
}

std::vector<Rect> AllRegions() {
    std::vector<Rect> regions = {sheet::kLargeFont, sheet::kSmallFont, sheet::kPlate,      sheet::kPlateLit,
                                 sheet::kAttackMarker, sheet::kMoveReady, sheet::kAttackReady, sheet::kViewFrame,
                                 sheet::kUpperPanel, sheet::kLowerPanel, sheet::kPopup};
    for (int i = 0; i < 4; ++i) {
        regions.push_back(sheet::BuildMarker(i));
        regions.push_back(sheet::Cursor(i));
        regions.push_back(sheet::ColourBoxSwatch(i));
        regions.push_back(sheet::ScoreSwatch(i));
    }
    for (int f = 0; f < 16; ++f) regions.push_back(sheet::Explosion(f));
    for (int c = 0; c < kColours; ++c)
        for (int row = 0; row < sheet::kUnitRows; ++row) regions.push_back(sheet::Unit(c, row));
    return regions;
}

TEST(SpriteSheet, IsScreenSizedAndEmptyOutsideItsRegions) {
    ASSERT_EQ(Sheet().Width(), 1024);
    ASSERT_EQ(Sheet().Height(), 768);
    const std::vector<Rect> regions = AllRegions();
    int stray = 0;
    for (int y = 0; y < 768; ++y)
        for (int x = 0; x < 1024; ++x) {
            bool inside = false;
            for (const Rect& r : regions) inside |= x >= r.left && x < r.right && y >= r.top && y < r.bottom;
            if (!inside && !IsKey(Sheet().At(x, y))) ++stray;
        }
    EXPECT_EQ(stray, 0);
}

TEST(SpriteSheet, NoOpaquePixelTurnsIntoTheKeyAtSixteenBits) {
    int bad = 0;
    for (int y = 0; y < 768; ++y)
        for (int x = 0; x < 1024; ++x) {
            const Rgb c = Sheet().At(x, y);
            bad += !IsKey(c) && BecomesKeyIn16Bit(c);
        }
    EXPECT_EQ(bad, 0);
}

TEST(SpriteSheet, FontCellsHoldGlyphsOnKeyAndSpacesAreBlank) {
    for (int code = 32; code <= 95; ++code) {
        const Rect cell{(code - 32) * 16, 0, (code - 31) * 16, 32};
        const int key = CountKey(Sheet(), cell);
        if (code == 32) EXPECT_EQ(key, Area(cell)) << "large space";
        else EXPECT_LT(key, Area(cell)) << "large code " << code;
        EXPECT_GT(key, Area(cell) / 3) << "large code " << code << " has a background";
    }
    for (int code = 32; code <= 90; ++code) {
        const Rect cell{(code - 32) * 8, 32, (code - 31) * 8, 48};
        const int key = CountKey(Sheet(), cell);
        if (code == 32) EXPECT_EQ(key, Area(cell)) << "small space";
        else EXPECT_LT(key, Area(cell)) << "small code " << code;
    }
    // Between the last small glyph and the marks, and between the marks and
    // the cursor, the small-font row stays empty.
    EXPECT_EQ(CountKey(Sheet(), {472, 32, 475, 48}), 3 * 16);
    EXPECT_EQ(CountKey(Sheet(), {495, 32, 528, 48}), 33 * 16);
}

TEST(SpriteSheet, UnitPicturesHaveKeyedCornersSolidBodiesAndDifferByFactionAndColour) {
    for (int c = 0; c < kColours; ++c)
        for (int row = 0; row < sheet::kUnitRows; ++row) {
            const Rect r = sheet::Unit(c, row);
            for (auto [x, y] : {std::pair{r.left, r.top}, {r.right - 1, r.top}, {r.left, r.bottom - 1}, {r.right - 1, r.bottom - 1}})
                EXPECT_TRUE(IsKey(Sheet().At(x, y))) << "colour " << c << " row " << row;
            const int opaque = Area(r) - CountKey(Sheet(), r);
            EXPECT_GT(opaque, Area(r) / 5) << "colour " << c << " row " << row << " is too faint to read";
            EXPECT_FALSE(IsKey(Sheet().At(r.left + 32, r.top + 30))) << "colour " << c << " row " << row;
        }
    auto differing = [](Rect a, Rect b) {
        int n = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                n += IsKey(Sheet().At(a.left + x, a.top + y)) != IsKey(Sheet().At(b.left + x, b.top + y));
        return n;
    };
    for (int f = 0; f < 4; ++f)
        for (int g = f + 1; g < 4; ++g)
            EXPECT_GT(differing(sheet::Unit(0, f), sheet::Unit(0, g)), 400) << "factions " << f << " and " << g;
    // Same shape in every colour column, different colours.
    for (int row = 0; row < sheet::kUnitRows; ++row) {
        EXPECT_EQ(differing(sheet::Unit(0, row), sheet::Unit(3, row)), 0);
        int recoloured = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                recoloured += Sheet().At(x, 96 + 64 * row + y) != Sheet().At(64 + x, 96 + 64 * row + y);
        EXPECT_GT(recoloured, 150) << "row " << row;
    }
}

TEST(SpriteSheet, OpaqueInterfacePicturesCoverTheirRectangles) {
    // Plates, panels and the box are copied without the key and stretched:
    // a key pixel there would show as a black hole.
    for (Rect r : {sheet::kPlate, sheet::kPlateLit, sheet::kUpperPanel, sheet::kLowerPanel, sheet::kPopup})
        EXPECT_EQ(CountKey(Sheet(), r), 0) << r.left << "," << r.top;
    for (int c = 0; c < kColours; ++c) {
        EXPECT_EQ(CountKey(Sheet(), sheet::ColourBoxSwatch(c)), 0);
        EXPECT_EQ(CountKey(Sheet(), sheet::ScoreSwatch(c)), 0);
    }
    // The lit plate must look different from the normal one.
    int differ = 0;
    for (int x = 0; x < 184; ++x) differ += Distance(Sheet().At(x, 64), Sheet().At(184 + x, 64)) > 30;
    EXPECT_GT(differ, 150);
}

TEST(SpriteSheet, MiniMapDotsAndSwatchesTellThePlayersApart) {
    for (int c = 0; c < kColours; ++c) {
        const Rect s = sheet::ScoreSwatch(c);
        const Rgb dot = Sheet().At(s.left, s.top);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x) EXPECT_EQ(Sheet().At(s.left + x, s.top + y), dot);
        for (int d = c + 1; d < kColours; ++d) {
            const Rect o = sheet::ScoreSwatch(d);
            EXPECT_GT(Distance(dot, Sheet().At(o.left, o.top)), 80) << c << " vs " << d;
            EXPECT_GT(Distance(Sheet().At(s.left + 16, s.top + 14), Sheet().At(o.left + 16, o.top + 14)), 60);
        }
    }
}

TEST(SpriteSheet, KeyedMarksHaveTransparentSurroundings) {
    const Rect v = sheet::kViewFrame;
    EXPECT_EQ(CountKey(Sheet(), {v.left + 1, v.top + 1, v.right - 1, v.bottom - 1}), (v.Width() - 2) * (v.Height() - 2));
    EXPECT_EQ(CountKey(Sheet(), v), (v.Width() - 2) * (v.Height() - 2)) << "the frame's rim is fully drawn";
    for (int k = 0; k < 4; ++k) {
        const Rect r = sheet::Cursor(k);
        EXPECT_EQ(CountKey(Sheet(), {r.left + 16, r.top + 16, r.right - 16, r.bottom - 16}), 32 * 32) << k;
        EXPECT_LT(CountKey(Sheet(), r), Area(r)) << k;
    }
    for (int f = 0; f < 16; ++f) {
        const Rect r = sheet::Explosion(f);
        EXPECT_TRUE(IsKey(Sheet().At(r.left, r.top))) << f;
        EXPECT_LT(CountKey(Sheet(), r), Area(r)) << "frame " << f << " is empty";
    }
    for (Rect r : {sheet::kAttackMarker, sheet::kMoveReady, sheet::kAttackReady, sheet::BuildMarker(0),
                   sheet::BuildMarker(1), sheet::BuildMarker(2), sheet::BuildMarker(3)}) {
        EXPECT_TRUE(IsKey(Sheet().At(r.left, r.top)));
        EXPECT_LT(CountKey(Sheet(), r), Area(r));
    }
}

}  // namespace
