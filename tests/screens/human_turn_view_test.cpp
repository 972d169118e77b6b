// Moving the view: the screen edges, the arrow keys, the wheel and the
// mini-map, within the map's limits; and the function keys with the two
// pages they open.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "game/unit_types.h"
#include "platform/input.h"
#include "screen_fixture.h"
#include "screens/human_turn.h"
#include "screens/screens.h"
#include "shell/settings.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/text_layout.h"

namespace {


class HumanTurnViewTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        NewSinglePlayerGame();
        PlaceUnit(2, 2, 0, kBase);
        PlaceUnit(2, 4, 0, kStandard);
        PlaceUnit(24, 24, 1, kBase);
    }
    void StartViewAt(int x, int y) {
        theGame.state.players[0].viewX = x;
        theGame.state.players[0].viewY = y;
        SaveGame();
    }
};

TEST_F(HumanTurnViewTest, TheScreenEdgesScrollOneTileAStepWhileThePointerIsInTheWindow) {
    StartViewAt(3, 2);
    int scrolled = 0;
    Then([&] { fake.SetCursor(0, 400); });
    Wait(30);
    Then([&] {
        EXPECT_EQ(theGame.scrollX, 0);
        EXPECT_EQ(theGame.scrollY, 2);
        fake.SetCursor(1023, 767);
    });
    Wait(60);
    Then([&] {
        // A 27-tile map: the view stops at 14 columns and 15 rows.
        EXPECT_EQ(theGame.scrollX, 14);
        EXPECT_EQ(theGame.scrollY, 15);
        fake.SetCursor(500, 0);
    });
    Wait(6);
    Then([&] {
        EXPECT_EQ(theGame.scrollX, 14);
        EXPECT_LT(theGame.scrollY, 15);
        scrolled = theGame.scrollY;
        // The pointer left the window above its top edge.
        fake.cursorInWindow = false;
    });
    Wait(10);
    Then([&] {
        EXPECT_EQ(theGame.scrollY, scrolled);
        fake.cursorInWindow = true;
        fake.SetCursor(500, 400);
    });
    ClickButtonId(kEndTurnButton);
    EXPECT_EQ(RunHumanTurn(), GoTo(kEndTurnScreen));
    // The view goes with the turn's end into the player's record (by the end of turn).
    EXPECT_EQ(theGame.scrollX, 14);
}

TEST_F(HumanTurnViewTest, ArrowKeysTapOneTileRepeatWhileHeldAndTheWheelAndTheMiniMapMoveTheView) {
    StartViewAt(0, 0);
    const Rect mini = MiniMapScreenRect(27);
    const Rect frame{848, 32, 887, 68};
    int scrolled = 0;
    Then([&] {
        EXPECT_TRUE(PictureShown(mini.left, mini.top, frame));
        // A slow tap: the key stays down for a tenth of a second.
        fake.HoldKey(VK_DOWN, true);
        fake.Key(VK_DOWN);
    });
    Wait(6);
    Then([&] {
        fake.HoldKey(VK_DOWN, false);
        EXPECT_EQ(theGame.scrollY, 1);
        // Ten quick taps, all before the screen's next frame.
        for (int tap = 0; tap < 10; ++tap) fake.Key(VK_RIGHT);
    });
    Wait(30);
    Then([&] {
        EXPECT_EQ(theGame.scrollX, 10);
        fake.HoldKey(VK_DOWN, true);
        fake.Key(VK_DOWN);
    });
    Wait(30);
    Then([&] { fake.HoldKey(VK_DOWN, false); });
    Wait(4);
    Then([&] {
        scrolled = theGame.scrollY;
        EXPECT_GT(scrolled, 3) << "a held key repeats";
        EXPECT_EQ(theGame.scrollX, 10);
        EXPECT_TRUE(PictureShown(mini.left + 3 * theGame.scrollX, mini.top + 3 * theGame.scrollY, frame));
    });
    Wait(10);
    Then([&] {
        EXPECT_EQ(theGame.scrollY, scrolled);  // released keys no longer scroll
        fake.Wheel(2, 400, 400);
    });
    Then([&] {
        EXPECT_EQ(theGame.scrollY, scrolled - 2);
        fake.HoldKey(VK_SHIFT, true);
        fake.Wheel(-1, 400, 400);
    });
    Then([&] {
        fake.HoldKey(VK_SHIFT, false);
        EXPECT_EQ(theGame.scrollX, 11);
    });
    // A click on the mini-map puts the clicked tile six columns in and five
    // rows down, within the map's limits.
    const struct {
        int x, y, scrollX, scrollY;
    } clicks[] = {{mini.left + 3 * 10 + 1, mini.top + 3 * 12 + 2, 4, 7}, {mini.left, mini.top, 0, 0},
                  {mini.right - 1, mini.bottom - 1, 14, 15}};
    for (const auto& c : clicks) {
        ClickAt(c.x, c.y);
        Then([&] {
            EXPECT_EQ(theGame.scrollX, c.scrollX);
            EXPECT_EQ(theGame.scrollY, c.scrollY);
        });
    }
    ClickButtonId(kEndTurnButton);
    EXPECT_EQ(RunHumanTurn(), GoTo(kEndTurnScreen));
}

TEST_F(HumanTurnViewTest, HiddenEnemiesAreDrawnNeitherOnTheMapNorOnTheMiniMap) {
    StartViewAt(14, 15);  // the enemy base in view, but far beyond sight
    Then([&] {
        EXPECT_EQ(theGame.visibleTiles[24][24], 0);
        // The fog tile of the terrain picture where the base stands.
        EXPECT_TRUE(PictureShown((24 - 14) * 64, (24 - 15) * 64, {192, 448, 256, 512}, 2));
        // The mini-map's dot of that tile stays black.
        const Rect mini = MiniMapScreenRect(27);
        EXPECT_EQ(Pixel(mini.left + 3 * 24 + 1, mini.top + 3 * 24 + 1), 0u);
        // An own unit's dot is its colour's.
        EXPECT_TRUE(PictureShown(mini.left + 3 * 2, mini.top + 3 * 4, {848, 96, 851, 99}));
    });
    ClickButtonId(kEndTurnButton);
    EXPECT_EQ(RunHumanTurn(), GoTo(kEndTurnScreen));
}

TEST_F(HumanTurnViewTest, F1AndTheColourBoxOpenHelpF3AndTheScoreBoxOpenDetailsAndTheTurnGoesOn) {
    StartViewAt(0, 0);
    const std::string help = "\"KV-MANUAL.HTML\" CONTAINS DETAILED INFORMATION";
    const std::string details = "GAME NAME   : SOLO-TEST";
    const struct {
        std::function<void()> open;
        const std::string& line;
        std::function<void()> leave;
    } pages[] = {
        {[&] { Press(VK_F1); }, help, [&] { Press('Q', 'q'); }},
        {[&] { ClickAt(900, 570); }, help, [&] { ClickButtonId(kReturnButton); }},
        {[&] { Press(VK_F3); }, details, [&] { Press(VK_ESCAPE, 27); }},
        {[&] { ClickAt(900, 650); }, details, [&] { Press(VK_RETURN, 13); }},
    };
    for (const auto& page : pages) {
        page.open();
        Then([this, &line = page.line] { EXPECT_TRUE(TextShown(30, 30, line, kSmallFont)) << line; });
        page.leave();
        Then([&] { EXPECT_TRUE(TextShown(838, 530, "ALICE", kSmallFont)); });
    }
    ClickButtonId(kEndTurnButton);
    EXPECT_EQ(RunHumanTurn(), GoTo(kEndTurnScreen));
}

TEST_F(HumanTurnViewTest, F2ShowsAndSetsTheScrollDelayAndASettingsFileThatCannotBeWrittenIsToldButEndsNothing) {
    StartViewAt(0, 0);
    ClickTile(2, 4);
    Press(VK_F2);
    Then([&] {
        EXPECT_TRUE(CentredShown("ENTER SCROLL DELAY", 296 + 9));
        EXPECT_TRUE(CentredShown("NOW 15 (0 - 100)", 296 + 94));
    });
    Press(VK_RETURN, 13);  // nothing typed: the delay stays
    Then([&] { EXPECT_EQ(settings.scrollDelay, 15); });
    Press(VK_F2);
    TypeKeys("2509\r");  // three characters at most: 250, then 100
    Then([&] {
        EXPECT_EQ(settings.scrollDelay, 100);
        Settings written;
        LoadINI(written);
        EXPECT_EQ(written.scrollDelay, 100);
    });
    Press(VK_F2);
    TypeKeys("7\x1b");  // cancelled: nothing changes
    Then([&] {
        EXPECT_EQ(settings.scrollDelay, 100);
        std::filesystem::remove("Korvessa.ini");
        std::filesystem::create_directory("Korvessa.ini");  // in the way of the file
    });
    Press(VK_F2);
    TypeKeys("60\r");
    Then([&] { EXPECT_TRUE(CentredShown("SETTINGS NOT SAVED", 296 + 9)); });
    Press(VK_RETURN, 13);
    Then([&] {
        EXPECT_EQ(settings.scrollDelay, 60);
        EXPECT_EQ(theGame.selectedUnit, 1);
        EXPECT_TRUE(TextShown(838, 530, "ALICE", kSmallFont));
    });
    ClickButtonId(kEndTurnButton);
    EXPECT_EQ(RunHumanTurn(), GoTo(kEndTurnScreen));
    EXPECT_NE(ReadFile("Run.log").find("*ERROR* : SaveINI()"), std::string::npos);
}

TEST_F(HumanTurnViewTest, AfterTheWindowIsMinimisedEvenUnderABoxThePicturesComeBack) {
    StartViewAt(0, 0);
    Press(VK_F2);
    Then([&] { fake.Minimise(); });
    Then([&] { fake.Restore(); });
    Press(VK_ESCAPE, 27);
    Wait(6);
    Then([&] {
        EXPECT_TRUE(TextShown(838, 530, "ALICE", kSmallFont));
        EXPECT_TRUE(PictureMostlyShown(2 * 64, 2 * 64, {0, 352, 64, 416}));
        const Rect mini = MiniMapScreenRect(27);
        EXPECT_TRUE(PictureShown(mini.left + 3 * 2, mini.top + 3 * 4, {848, 96, 851, 99}));
    });
    ClickButtonId(kEndTurnButton);
    EXPECT_EQ(RunHumanTurn(), GoTo(kEndTurnScreen));
}

}  // namespace
