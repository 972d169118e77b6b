// The game-over view: the winner's box, the whole map without fog,
// scrolling, and the way back to the main menu.
#include <gtest/gtest.h>

#include "game/turns.h"
#include "game/unit_types.h"
#include "platform/input.h"
#include "screen_fixture.h"
#include "screens/human_turn.h"
#include "screens/screens.h"
#include "shell/settings.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/sprite_layout.h"
#include "ui/text_layout.h"

namespace {

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
            EXPECT_TRUE(CentredShown("GAME OVER", 296 + 9));
            EXPECT_TRUE(CentredShown(name, 296 + 52));
            EXPECT_TRUE(CentredShown("IS VICTORIOUS", 296 + 94));
            // Only OK: the CANCEL button is hidden while the box runs.
            EXPECT_EQ(buttonTable[kPopupCancelButton].state, kButtonHidden);
        });
        Press(VK_RETURN, 13);
        Then([this, name] {
            EXPECT_TRUE(TextShown(840, 240, "GAME OVER", kLargeFont));
            EXPECT_TRUE(TextShown(840, 280, name, kSmallFont));
            EXPECT_TRUE(TextShown(840, 300, "IS VICTORIOUS", kSmallFont));
            EXPECT_TRUE(LabelShown(kQuitToMenuButton, "QUIT TO MAIN MENU"));
            EXPECT_EQ(buttonTable[kPopupCancelButton].state, kButtonActive);
        });
    }
};

// The end itself, by conquest, score or turn limit, is reached through the
// player's actions in the end-to-end tests; this is the view's own behaviour.
TEST_F(GameOverTest, TheWholeMapIsShownFromWhereSeatZeroLastLookedAndScrolls) {
    PlaceUnit(24, 24, 1, kBase);
    PlaceUnit(7, 9, 0, kStandard);  // ready to move and attack
    PlaceUnit(6, 9, 1, kStandard);  // out of seat 0's sight
    theGame.state.victoryType = kTurnVictory;
    theGame.state.victoryTurn = 10;
    theGame.state.turn = 11;
    theGame.state.currentPlayer = 1;
    theGame.state.players[0].score = 300;
    theGame.state.players[1].score = 700;
    theGame.state.players[0].viewX = 5;
    theGame.state.players[0].viewY = 7;
    ASSERT_TRUE(IsGameOver(theGame));
    ExpectWinnerShown("RED COMP");
    const Rect mini = MiniMapScreenRect(27);
    Then([&] {
        EXPECT_EQ(theGame.scrollX, 5);
        EXPECT_EQ(theGame.scrollY, 7);
        EXPECT_TRUE(PictureShown(mini.left + 15, mini.top + 21, sheet::kViewFrame));
        // No fog: the enemy unit is drawn, on the map and the mini-map; no
        // ready marks under any unit.
        EXPECT_TRUE(PictureMostlyShown(64, 2 * 64, sheet::UnitPicture(kStandard, kWasp, kRed)));
        EXPECT_TRUE(TextShown(64 + 24, 2 * 64 + 48, "10", kSmallFont));
        EXPECT_TRUE(PictureShown(mini.left + 3 * 6, mini.top + 3 * 9, sheet::MiniMapDot(kRed)));
        EXPECT_FALSE(PictureShown(2 * 64 + 10, 2 * 64 + 50, sheet::kAttackReadyMark));
        EXPECT_FALSE(PictureShown(2 * 64 + 44, 2 * 64 + 50, sheet::kMoveReadyMark));
        EXPECT_EQ(Pixel(1000, 600), 0u);  // the panel is black but for the mini-map
    });
    ClickTile(7, 9);  // clicks on the map do nothing
    Then([&] { EXPECT_EQ(theGame.unitSelected, 0); });
    ClickAt(mini.left + 3 * 20, mini.top + 3 * 20);
    Then([&] {
        EXPECT_EQ(theGame.scrollX, 14);
        EXPECT_EQ(theGame.scrollY, 15);
    });
    Press(VK_LEFT);
    Then([&] { EXPECT_EQ(theGame.scrollX, 13); });
    Press(VK_F1);  // does nothing here
    Then([&] { EXPECT_TRUE(TextShown(840, 240, "GAME OVER", kLargeFont)); });
    Press(VK_F2);
    TypeKeys("5\r");
    Then([&] { EXPECT_EQ(settings.scrollDelay, 5); });
    ClickButtonId(kQuitToMenuButton, 2);  // a right click on the button acts like a left one
    EXPECT_EQ(RunGameOver(), GoTo(kMainMenuScreen));
    EXPECT_EQ(theGame.state.currentPlayer, 0);
    EXPECT_EQ(theGame.fogOfWar, 0);
}

}  // namespace
