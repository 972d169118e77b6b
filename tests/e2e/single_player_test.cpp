// Each kind of order is given through the turn screen in tests/screens.

#include <algorithm>

#include "game_fixture.h"

namespace {

using SinglePlayerTest = GameTest;

TEST_F(SinglePlayerTest, FromTheMainMenuThroughSetUpAFirstTurnTheComputerTurnAndBack) {
    ClickOn(kMainMenuScreen, kSinglePlayerButton);
    ClickWhen("the set-up, to choose a terrain", [this] { return On(kSetupScreen) && LabelShown(kTerrainButton); },
              kTerrainButton);
    player.Then("the terrain's preview", [this] { return !LabelShown(kTerrainButton, "RANDOM") && LabelShown(kTerrainButton); },
                [this] { EXPECT_TRUE(PictureShown(808, 472, {0, 352, 64, 416})); });  // its GREEN BASE
    ClickOn(kSetupScreen, kSetupLaunchButton);
    Point moved{-1, -1};
    player.When("the first turn, to select a unit", [this] { return On(kHumanTurnScreen) && TextShown(16, 730, "PRESS F1 FOR HELP"); },
                [](FakePlatform& f) {
        const Unit& u = theGame.state.units[UnitOf(0, kStandard)];
        f.Click(TileOnScreen(u.x, u.y).x, TileOnScreen(u.x, u.y).y);
    });
    player.When("its reach, to move", [] { return theGame.unitSelected != 0; }, [&moved](FakePlatform& f) {
        for (int x = 0; x < theGame.map.mapSize && moved.x < 0; ++x)
            for (int y = 0; y < theGame.map.mapSize && moved.x < 0; ++y)
                if (theGame.map.tiles[x][y].reach > 0) moved = {x, y};
        f.RightClick(TileOnScreen(moved.x, moved.y).x, TileOnScreen(moved.x, moved.y).y);
    });
    ClickWhen("END TURN", [] { return theGame.state.units[UnitOf(0, kStandard)].canMove == 0; }, kEndTurnButton);
    EnterWhen("the report of the computer's turn, to close it", [this] { return ReportShowing(); });
    player.Then("the second turn", [this] { return On(kHumanTurnScreen) && LabelShown(kEndTurnButton, "END TURN 2"); },
                [&] {
        EXPECT_NE(std::find(screensSeen.begin(), screensSeen.end(), kComputerTurnScreen), screensSeen.end());
        EXPECT_NE(UnitAt(theGame, moved.x, moved.y), -1);
    });
    ClickOn(kHumanTurnScreen, kQuitToMenuButton);
    ClickOn(kMainMenuScreen, kLastGameButton);
    EnterWhen("the report again, to close it", [this] { return ReportShowing(); });
    player.Then("the turn continued", [this] { return On(kHumanTurnScreen) && LabelShown(kEndTurnButton); },
                [] { EXPECT_EQ(theGame.state.turn, 2); });
    ClickOn(kHumanTurnScreen, kQuitToMenuButton);
    QuitFromMenu();
    EXPECT_EQ(ReadFile("Korvessa.ini").rfind("SOLO-GAME-01.KV1", 0), 0u);
}

}  // namespace
