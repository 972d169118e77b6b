// Backgrounds: screen-sized, and their captions stay clear of every button
// their screen draws, so a plate never hides a heading.

#include <gtest/gtest.h>

#include <set>

#include "assetgen/backgrounds.h"
#include "tools/picture_checks.h"

namespace {

using namespace assetgen;
using namespace kvtest;

// The button rectangles each screen draws (ids 2 to 42 of the button table).
std::vector<Rect> ButtonsOf(const std::string& file) {
    if (file == "MainMenu.bmp") {
        std::vector<Rect> r;
        for (int i = 0; i < 7; ++i) r.push_back({368, 300 + 35 * i, 656, 330 + 35 * i});
        r.push_back({200, 750, 840, 766});  // the banner line
        return r;
    }
    if (file == "Setup.bmp") {
        std::vector<Rect> r = {{32, 560, 256, 592},  {304, 464, 640, 496}, {304, 512, 640, 544}, {304, 560, 640, 592},
                               {32, 656, 224, 736},  {800, 656, 992, 736}, {272, 704, 752, 736}, {688, 560, 992, 592},
                               {640, 20, 924, 52},   {304, 416, 640, 448}, {688, 416, 992, 448}, {32, 416, 256, 448},
                               {688, 464, 992, 544}};  // the last is the terrain preview
        for (int k = 0; k < 4; ++k) {
            const int top = 128 + 48 * k, bottom = 160 + 48 * k;
            for (Rect x : {Rect{16, top, 176, bottom}, Rect{544, top, 880, bottom}, Rect{192, top, 352, bottom},
                           Rect{368, top, 528, bottom}, Rect{896, top, 946, bottom}, Rect{960, top + 2, 992, top + 30}})
                r.push_back(x);
        }
        return r;
    }
    if (file == "LoadGame.bmp")
        return {{392, 728, 632, 760}, {776, 728, 1016, 760}, {8, 118, 328, 720}, {340, 120, 1012, 436}, {350, 500, 1000, 532}};
    return {{392, 728, 632, 760}, {30, 30, 990, 690}};
}

bool Overlap(const Caption& c, const Rect& r) {
    return c.x < r.right && r.left < c.Right() && c.y < r.bottom && r.top < c.Bottom();
}

TEST(Backgrounds, AllFourAreScreenSizedWithCaptionsClearOfTheButtons) {
    const std::vector<Background> backgrounds = MakeBackgrounds();
    ASSERT_EQ(backgrounds.size(), 4u);
    for (const Background& b : backgrounds) {
        EXPECT_EQ(b.image.Width(), 1024) << b.file;
        EXPECT_EQ(b.image.Height(), 768) << b.file;
        for (const Caption& c : ScreenCaptions(b.file)) {
            EXPECT_GE(c.x, 0) << c.text;
            EXPECT_LE(c.Right(), 1024) << c.text;
            for (const Rect& r : ButtonsOf(b.file))
                EXPECT_FALSE(Overlap(c, r)) << b.file << ": " << c.text << " lies on " << r.left << "," << r.top;
            // The caption is really drawn: its area is not one flat colour.
            int differing = 0;
            const Rgb corner = b.image.At(c.x, c.y);
            for (int y = c.y; y < c.Bottom(); ++y)
                for (int x = c.x; x < c.Right(); ++x) differing += Distance(b.image.At(x, y), corner) > 60;
            EXPECT_GT(differing, 20) << c.text;
        }
    }
}

TEST(Backgrounds, SetUpNamesEveryGroupOfControls) {
    std::set<std::string> texts;
    for (const Caption& c : ScreenCaptions("Setup.bmp")) texts.insert(c.text);
    for (const char* heading : {"SEATS", "TYPE", "FACTION", "NAME", "COLOUR", "MAP SIZE", "VICTORY", "COMPUTER",
                                "TERRAIN", "GAME NAME"})
        EXPECT_TRUE(texts.count(heading)) << heading;
    bool titled = false;
    for (const Caption& c : ScreenCaptions("MainMenu.bmp")) titled |= c.text == "KORVESSA";
    EXPECT_TRUE(titled);
}

}  // namespace
