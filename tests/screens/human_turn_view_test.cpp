#include <filesystem>

#include "screen_fixture.h"
#include "screens/human_turn.h"
#include "shell/settings.h"
#include "world/terrain_sheet.h"

namespace {

class HumanTurnViewTest : public TurnTest {
protected:
    static std::pair<int, int> View() { return {theGame.scrollX, theGame.scrollY}; }
    const Rect mini = MiniMapScreenRect(27);
};

TEST_F(HumanTurnViewTest, EachScreenEdgeScrollsToTheMapsLimitWhileThePointerIsInTheWindow) {
    StartViewAt(3, 2);
    // 27 tiles, 13 by 12 in view: the view stops at 14 across and 15 down.
    const struct { int x, y; std::pair<int, int> view; } edges[] = {
        {0, 400, {0, 2}}, {500, 0, {0, 0}}, {1023, 400, {14, 0}}, {500, 767, {14, 15}}};
    for (const auto& edge : edges) {
        Then([&] { fake.SetCursor(edge.x, edge.y); });
        Then([&] { EXPECT_EQ(View(), edge.view) << edge.x << "," << edge.y; }, 45);
    }
    Then([&] {
        fake.cursorInWindow = false;  // the pointer left the window past its top left corner
        fake.SetCursor(0, 0);
    });
    Then([&] { EXPECT_EQ(View(), std::pair(14, 15)); }, 15);
    EndTurn();
}

TEST_F(HumanTurnViewTest, ArrowKeysTapOneTileRepeatWhileHeldAndTheWheelAndTheMiniMapMoveTheView) {
    StartViewAt(0, 0);
    int held = 0;
    Then([&] {
        fake.HoldKey(VK_DOWN, true);  // a slow tap: the key stays down for a tenth of a second
        fake.Key(VK_DOWN);
    });
    Then([&] {
        fake.HoldKey(VK_DOWN, false);
        for (int tap = 0; tap < 10; ++tap) fake.Key(VK_RIGHT);  // all before the next frame
        fake.Key(VK_LEFT);
        fake.Key(VK_UP);
    }, 11);
    Then([&] { EXPECT_EQ(View(), std::pair(9, 0)); fake.HoldKey(VK_DOWN, true); fake.Key(VK_DOWN); }, 35);
    Then([&] { fake.HoldKey(VK_DOWN, false); }, 35);
    Then([&] { held = theGame.scrollY; }, 9);
    Then([&] {
        EXPECT_GT(held, 3) << "a held key repeats";
        EXPECT_EQ(theGame.scrollY, held);  // and stops when released
        EXPECT_TRUE(PictureShown(mini.left + 3 * 9, mini.top + 3 * held, sheet::kViewFrame));
        fake.Wheel(2, 400, 400);
    }, 15);
    Then([&] { fake.HoldKey(VK_SHIFT, true); fake.Wheel(-1, 400, 400); });
    Then([&] { fake.HoldKey(VK_SHIFT, false); EXPECT_EQ(View(), std::pair(10, held - 2)); });
    Then([&] { fake.Wheel(1, 832, 400); });
    Then([&] { EXPECT_EQ(View(), std::pair(10, held - 2)) << "the wheel over the panel"; });
    // A click on the mini-map puts the clicked tile six columns in and five
    // rows down, within the map's limits.
    const struct { int x, y, scrollX, scrollY; } clicks[] = {
        {mini.left + 3 * 10 + 1, mini.top + 3 * 12 + 2, 4, 7}, {mini.left, mini.top, 0, 0},
        {mini.right - 1, mini.bottom - 1, 14, 15}};
    for (const auto& c : clicks) {
        ClickAt(c.x, c.y);
        Then([&] { EXPECT_EQ(View(), std::pair(c.scrollX, c.scrollY)); });
    }
    EndTurn();
}

TEST_F(HumanTurnViewTest, F2ShowsAndSetsTheScrollDelayAndASettingsFileThatCannotBeWrittenIsToldButEndsNothing) {
    StartViewAt(0, 0);
    ClickTile(2, 4);
    Press(VK_F2);
    Then([&] { EXPECT_TRUE(BoxShows("ENTER SCROLL DELAY", "", "NOW 15 (0 - 100)")); });
    TypeKeys("\r");  // nothing typed: the delay stays
    Then([&] { EXPECT_EQ(settings.scrollDelay, 15); });
    Press(VK_F2);
    TypeKeys("2509\r");  // three characters at most: 250, then 100
    Then([&] { EXPECT_NE(ReadFile("Korvessa.ini").find("\n100\n"), std::string::npos); });  // and kept
    Press(VK_F2);
    TypeKeys("7\x1b");  // cancelled: nothing changes
    Then([&] {
        EXPECT_EQ(settings.scrollDelay, 100);
        std::filesystem::remove("Korvessa.ini");
        std::filesystem::create_directory("Korvessa.ini");  // in the way of the file
    });
    Press(VK_F2);
    TypeKeys("60\r");
    Then([&] { EXPECT_TRUE(BoxShows("SETTINGS NOT SAVED")); });
    TypeKeys("\r");
    Then([&] {
        EXPECT_EQ(settings.scrollDelay, 60);
        EXPECT_EQ(theGame.selectedUnit, soldier);
        EXPECT_TRUE(TurnShown());
    });
    EndTurn();
    EXPECT_NE(ReadFile("Run.log").find("*ERROR* : SaveINI()"), std::string::npos);
}

// The enemy base is in view but far beyond sight.
TEST_F(HumanTurnViewTest, HiddenEnemiesAreNotDrawnAndThePicturesComeBackAfterARestoreUnderABox) {
    StartViewAt(14, 15);
    Press(VK_F2);
    Then([&] { fake.Minimise(); });
    Then([&] { fake.Restore(); });
    TypeKeys("\x1b");
    Then([&] {
        EXPECT_TRUE(TurnShown());
        EXPECT_TRUE(PictureShown((24 - 14) * 64, (24 - 15) * 64, terrain_sheet::kFog, 2));
        EXPECT_EQ(Pixel(mini.left + 3 * 24 + 1, mini.top + 3 * 24 + 1), 0u);
        EXPECT_TRUE(PictureShown(mini.left + 3 * 2, mini.top + 3 * 4, sheet::MiniMapDot(kGreen)));  // an own unit's dot
        EXPECT_TRUE(PictureShown(mini.left + 3 * 14, mini.top + 3 * 15, sheet::kViewFrame));
    });
    EndTurn();
}

}  // namespace
