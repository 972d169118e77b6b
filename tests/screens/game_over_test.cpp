// The game-over view after each way a game can end: the winner's box, the
// whole map without fog, scrolling, and the way back to the main menu.
#include <gtest/gtest.h>

#include "game/turns.h"
#include "game/unit_types.h"
#include "screen_fixture.h"
#include "screens/human_turn.h"
#include "screens/screens.h"
#include "shell/input.h"
#include "shell/settings.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/sprite_layout.h"
#include "ui/text_layout.h"

namespace {

int CentredX(std::string_view text) { return (1024 - static_cast<int>(text.size()) * 16) / 2; }

class GameOverTest : public ScreenTest {
protected:
    // Two seats with a base each at opposite corners; seat 1 is looked at
    // from seat 0's last view, far away.
    void SetUp() override {
        ScreenTest::SetUp();
        NewSinglePlayerGame();
        theGame.state.players[0].viewX = 0;
        theGame.state.players[0].viewY = 0;
        PlaceUnit(2, 2, 0, kBase);
        PlaceUnit(2, 4, 0, kStandard);
    }
    // Clicks OK on the winner's box, then checks the view.
    void ExpectWinnerShown(const std::string& name) {
        Then([this, name] {
            EXPECT_TRUE(TextShown(CentredX("GAME OVER"), 296 + 9, "GAME OVER", kLargeFont));
            EXPECT_TRUE(TextShown(CentredX(name), 296 + 52, name, kLargeFont));
            EXPECT_TRUE(TextShown(CentredX("IS VICTORIOUS"), 296 + 94, "IS VICTORIOUS", kLargeFont));
            // Only OK: the CANCEL button is hidden while the box runs.
            EXPECT_EQ(buttonTable[kPopupCancelButton].state, kButtonHidden);
        });
        Press(VK_RETURN, 13);
        Then([this, name] {
            EXPECT_TRUE(TextShown(840, 240, "GAME OVER", kLargeFont));
            EXPECT_TRUE(TextShown(840, 280, name, kSmallFont));
            EXPECT_TRUE(TextShown(840, 300, "IS VICTORIOUS", kSmallFont));
            EXPECT_TRUE(LabelShown(44, "QUIT TO MAIN MENU"));
            EXPECT_EQ(buttonTable[kPopupCancelButton].state, kButtonActive);
        });
    }
};

TEST_F(GameOverTest, AfterAConquestTheConquerorWinsAndTheWholeMapIsShown) {
    theGame.state.players[0].score = 2000;
    theGame.state.players[1].lifeState = kDead;
    PlaceUnit(6, 6, 1, kStandard);  // a unit left over, out of seat 0's sight
    ASSERT_TRUE(IsGameOver(theGame));
    ExpectWinnerShown("ALICE");
    Then([&] {
        // No fog: the enemy unit is drawn; no ready marks on any unit.
        EXPECT_TRUE(PictureMostlyShown(6 * 64, 6 * 64, sheet::UnitPicture(kStandard, kWasp, kRed)));
        EXPECT_TRUE(TextShown(6 * 64 + 24, 6 * 64 + 48, "10", kSmallFont));
        EXPECT_FALSE(PictureShown(2 * 64 + 10, 4 * 64 + 50, sheet::kAttackReadyMark));
        EXPECT_FALSE(PictureShown(2 * 64 + 44, 4 * 64 + 50, sheet::kMoveReadyMark));
        // The panel is black but for the mini-map, which shows that unit too.
        EXPECT_EQ(Pixel(1000, 600), 0u);
        const Rect mini = MiniMapScreenRect(27);
        EXPECT_TRUE(PictureShown(mini.left + 3 * 6, mini.top + 3 * 6, sheet::MiniMapDot(kRed)));
    });
    ClickTile(2, 4);  // clicks on the map do nothing
    Then([&] { EXPECT_EQ(theGame.unitSelected, 0); });
    ClickButtonId(44, 2);  // a right click on the button acts like a left one
    EXPECT_EQ(RunGameOver(), 110);
    EXPECT_EQ(theGame.state.currentPlayer, 0);
    EXPECT_EQ(theGame.fogOfWar, 0);
}

TEST_F(GameOverTest, AfterTheTurnLimitTheViewOpensWhereSeatZeroLastLookedAndScrolls) {
    PlaceUnit(24, 24, 1, kBase);
    theGame.state.victoryType = kTurnVictory;
    theGame.state.victoryTurn = 10;
    theGame.state.turn = 11;
    theGame.state.players[0].score = 300;
    theGame.state.players[1].score = 700;
    theGame.state.players[0].viewX = 5;
    theGame.state.players[0].viewY = 7;
    ASSERT_TRUE(IsGameOver(theGame));
    ExpectWinnerShown("RED COMP");
    Then([&] {
        EXPECT_EQ(theGame.scrollX, 5);
        EXPECT_EQ(theGame.scrollY, 7);
        const Rect mini = MiniMapScreenRect(27);
        EXPECT_TRUE(PictureShown(mini.left + 15, mini.top + 21, sheet::kViewFrame));
    });
    const Rect mini = MiniMapScreenRect(27);
    ClickAt(mini.left + 3 * 20, mini.top + 3 * 20);
    Then([&] {
        EXPECT_EQ(theGame.scrollX, 14);
        EXPECT_EQ(theGame.scrollY, 15);
        fake.HoldKey(VK_LEFT, true);
    });
    Wait(10);
    Then([&] {
        fake.HoldKey(VK_LEFT, false);
        EXPECT_LT(theGame.scrollX, 14);
    });
    Press(VK_F1);  // does nothing here
    Then([&] { EXPECT_TRUE(TextShown(840, 240, "GAME OVER", kLargeFont)); });
    Press(VK_F2);
    TypeKeys("5\r");
    Then([&] { EXPECT_EQ(settings.scrollDelay, 5); });
    // After the window is minimised the mini-map is built again.
    Then([&] { fake.Minimise(); });
    Then([&] { fake.Restore(); });
    Wait(4);
    Then([&] {
        EXPECT_TRUE(PictureShown(mini.left + 3 * 2, mini.top + 3 * 4, sheet::MiniMapDot(kGreen)));
        EXPECT_TRUE(TextShown(840, 240, "GAME OVER", kLargeFont));
    });
    ClickButtonId(44);
    EXPECT_EQ(RunGameOver(), 110);
}

TEST_F(GameOverTest, WithNoSeatHoldingABaseAndAPositiveScoreSeatZeroWins) {
    theGame.state.units[0].state = kFree;  // seat 0's base is gone too
    theGame.state.players[0].name = "FIRST SEAT";
    theGame.state.players[1].lifeState = kDead;
    theGame.state.players[0].lifeState = kDead;
    ExpectWinnerShown("FIRST SEAT");
    ClickButtonId(44);
    EXPECT_EQ(RunGameOver(), 110);
}

}  // namespace
