// How a game ends is the rules' business (tests/game).

#include "game/turns.h"
#include "screen_fixture.h"
#include "screens/human_turn.h"
#include "screens/unit_picture.h"

namespace {

using GameOverTest = TurnTest;

TEST_F(GameOverTest, TheWholeMapIsShownFromWhereSeatZeroLastLooked) {
    CreateUnit(theGame, 7, 9, 0, kStandard);  // ready to move and attack
    CreateUnit(theGame, 6, 9, 1, kStandard);  // out of seat 0's sight
    GameState& s = theGame.state;
    s.victoryType = kTurnVictory;
    s.victoryTurn = 10;
    s.turn = 11;
    s.currentPlayer = 1;
    s.players[1].score = 700;
    s.players[0].viewX = 5;
    s.players[0].viewY = 7;
    ASSERT_TRUE(IsGameOver(theGame));
    Then([&] { EXPECT_TRUE(BoxShows("GAME OVER", "RED COMP", "IS VICTORIOUS")); });
    TypeKeys("\r");
    const Rect mini = MiniMapScreenRect(27);
    Then([&] {
        EXPECT_TRUE(TextShown(840, 240, "GAME OVER", kLargeFont));
        EXPECT_TRUE(TextShown(840, 280, "RED COMP"));
        EXPECT_TRUE(PictureShown(mini.left + 15, mini.top + 21, sheet::kViewFrame));
        // No fog, and no ready marks under any unit.
        EXPECT_TRUE(PictureMostlyShown(64, 2 * 64, sheet::UnitPicture(kStandard, kWasp, kRed)));
        EXPECT_TRUE(PictureShown(mini.left + 3 * 6, mini.top + 3 * 9, sheet::MiniMapDot(kRed)));
        EXPECT_FALSE(PictureShown(2 * 64 + 10, 2 * 64 + 50, sheet::kAttackReadyMark));
    });
    ClickTile(7, 9);  // clicks on the map do nothing
    Then([&] { EXPECT_EQ(theGame.unitSelected, 0); });
    ClickButtonId(kQuitToMenuButton);
    EXPECT_EQ(RunGameOver(), GoTo(kMainMenuScreen));
}

}  // namespace
