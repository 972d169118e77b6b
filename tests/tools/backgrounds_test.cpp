// Backgrounds: every screen's headings are drawn on it.

#include <gtest/gtest.h>

#include <set>

#include "assetgen/backgrounds.h"

namespace {

using namespace assetgen;

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
