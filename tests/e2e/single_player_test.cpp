// Each kind of order is given through the turn screen in tests/screens.

#include <algorithm>

#include "game_fixture.h"
#include "ui/sprite_layout.h"

namespace {

using SinglePlayerTest = GameTest;

TEST_F(SinglePlayerTest, FromTheMainMenuThroughSetUpAFirstTurnTheComputerTurnAndBack) {
    ClickOn(kMainMenuScreen, kSinglePlayerButton);
    ClickWhen("the set-up, to choose a terrain", [this] { return On(kSetupScreen) && LabelShown(kTerrainButton); },
              kTerrainButton);
    player.Then("the terrain's preview", [this] { return !LabelShown(kTerrainButton, "RANDOM") && LabelShown(kTerrainButton); },
                [this] { EXPECT_TRUE(PictureShown(808, 472, sheet::UnitCell(sheet::kBaseRow, kGreen))); });
    ClickOn(kSetupScreen, kSetupLaunchButton);
    ClickWhen("END TURN", [this] { return On(kHumanTurnScreen) && TextShown(16, 730, "PRESS F1 FOR HELP"); }, kEndTurnButton);
    EnterWhen("the report of the computer's turn, to close it", [this] { return ReportShowing(); });
    player.Then("the second turn", [this] { return On(kHumanTurnScreen) && LabelShown(kEndTurnButton, "END TURN 2"); },
                [&] {
        EXPECT_NE(std::find(screensSeen.begin(), screensSeen.end(), kComputerTurnScreen), screensSeen.end());
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
