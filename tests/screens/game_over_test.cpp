// How a game ends is the rules' business (tests/game).

#include "game/turns.h"
#include "screen_fixture.h"
#include "screens/human_turn.h"
#include "screens/unit_picture.h"
#include "shell/settings.h"

namespace {

using GameOverTest = ScreenTest;

TEST_F(GameOverTest, TheWholeMapIsShownFromWhereSeatZeroLastLookedAndScrolls) {
    NewGame();
    PlaceUnit(2, 2, 0, kBase);
    PlaceUnit(24, 24, 1, kBase);
    PlaceUnit(7, 9, 0, kStandard);  // ready to move and attack
    PlaceUnit(6, 9, 1, kStandard);  // out of seat 0's sight
    GameState& s = theGame.state;
    s.victoryType = kTurnVictory;
    s.victoryTurn = 10;
    s.turn = 11;
    s.currentPlayer = 1;
    s.players[1].score = 700;
    s.players[0].viewX = 5;
    s.players[0].viewY = 7;
    ASSERT_TRUE(IsGameOver(theGame));
    Then([&] {
        EXPECT_TRUE(BoxShows("GAME OVER", "RED COMP", "IS VICTORIOUS"));
        EXPECT_EQ(buttonTable[kPopupCancelButton].state, kButtonHidden);  // only OK
    });
    TypeKeys("\r");
    const Rect mini = MiniMapScreenRect(27);
    Then([&] {
        EXPECT_TRUE(TextShown(840, 240, "GAME OVER", kLargeFont));
        EXPECT_TRUE(TextShown(840, 280, "RED COMP"));
        EXPECT_TRUE(LabelShown(kQuitToMenuButton, "QUIT TO MAIN MENU"));
        EXPECT_TRUE(PictureShown(mini.left + 15, mini.top + 21, sheet::kViewFrame));
        // No fog, and no ready marks under any unit.
        EXPECT_TRUE(PictureMostlyShown(64, 2 * 64, sheet::UnitPicture(kStandard, kWasp, kRed)));
        EXPECT_TRUE(PictureShown(mini.left + 3 * 6, mini.top + 3 * 9, sheet::MiniMapDot(kRed)));
        EXPECT_FALSE(PictureShown(2 * 64 + 10, 2 * 64 + 50, sheet::kAttackReadyMark));
    });
    ClickTile(7, 9);  // clicks on the map do nothing
    Then([&] { EXPECT_EQ(theGame.unitSelected, 0); });
    ClickAt(mini.left + 3 * 20, mini.top + 3 * 20);
    Press(VK_LEFT);
    Then([&] { EXPECT_EQ(std::pair(theGame.scrollX, theGame.scrollY), std::pair(13, 15)); });
    Then([&] { fake.Minimise(); });
    Then([&] { fake.Restore(); });
    Press(VK_F2);
    TypeKeys("5\r");
    Then([&] {
        EXPECT_EQ(settings.scrollDelay, 5);
        EXPECT_TRUE(PictureShown(mini.left + 3 * 6, mini.top + 3 * 9, sheet::MiniMapDot(kRed)));
    });
    ClickButtonId(kQuitToMenuButton, 2);  // a right click on the button acts like a left one
    EXPECT_EQ(RunGameOver(), GoTo(kMainMenuScreen));
    EXPECT_EQ(theGame.fogOfWar, 0);
}

}  // namespace
