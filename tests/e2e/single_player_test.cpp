// Each kind of order is given through the turn screen in tests/screens.

#include <filesystem>

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
    // A file dropped during a turn is not taken later by surprise: its notice
    // would stand in the way of the main menu's continue button below.
    player.When("END TURN", [this] { return On(kHumanTurnScreen) && TextShown(16, 730, "PRESS F1 FOR HELP"); },
                [this](FakePlatform& f) {
        f.DropFile((std::filesystem::current_path() / "Run.log").string());
        Click(f, kEndTurnButton);
    });
    EnterWhen("the report of the computer's turn, to close it", [this] { return ReportShowing(); });
    ClickWhen("QUIT TO MAIN MENU on the second turn",
              [this] { return On(kHumanTurnScreen) && LabelShown(kEndTurnButton, "END TURN 2"); }, kQuitToMenuButton);
    ClickOn(kMainMenuScreen, kLastGameButton);
    EnterWhen("the report again, to close it", [this] { return ReportShowing(); });
    player.Then("the turn continued", [this] { return On(kHumanTurnScreen) && LabelShown(kEndTurnButton); },
                [] { EXPECT_EQ(theGame.state.turn, 2); });
    ClickOn(kHumanTurnScreen, kQuitToMenuButton);
    QuitFromMenu();
    EXPECT_EQ(ReadFile("Korvessa.ini").rfind("SOLO-GAME-01.KV1", 0), 0u);
}

}  // namespace
