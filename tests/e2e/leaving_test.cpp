// Every screen reached from the main menu can be left back to it.
#include "game_fixture.h"
#include "shell/shell.h"
#include "ui/button_table.h"

namespace {

class LeavingTest : public GameTest {
protected:
    void FromMenu(const std::string& what, int id) {
        ClickWhen(what, [this, id] { return On(kMainMenuScreen) && ShowsButton(id); }, id);
    }
};

TEST_F(LeavingTest, HelpSetUpAndLoadGameAllLeadBackToTheMainMenu) {
    Game game = MakePlayedGame(kSinglePlayer, {{true, "ANNA"}, {false, "RED COMP"}});
    WriteSavedGame(game, "SOLO-ANY.KV1");
    FromMenu("INFORMATION", kInformationButton);
    player.When("the help page, to leave with any key", [this] { return On(kHelpScreen) && ShowsButton(kReturnButton); },
                [](FakePlatform& f) { f.Key('A', 'a'); });
    FromMenu("SINGLE PLAYER", kSinglePlayerButton);
    ClickWhen(
        "the set-up, to cancel", [this] { return On(kSetupScreen) && ShowsButton(kSetupCancelButton); },
        kSetupCancelButton);
    FromMenu("HOTSEAT", kHotSeatButton);
    player.When("the set-up, to leave with Escape", [this] { return On(kSetupScreen) && ShowsButton(kSetupCancelButton); },
                [](FakePlatform& f) { f.Key(VK_ESCAPE, 27); });
    FromMenu("LOAD GAME", kLoadGameButton);
    ClickWhen("the load screen, to return", [this] { return On(kLoadGameScreen) && ShowsButton(kReturnButton); },
              kReturnButton);
    FromMenu("EXIT GAME", kExitGameButton);
    RunProgram();
    EXPECT_TRUE(player.Done()) << player.Stuck();
    EXPECT_EQ(lastResult, kQuit);
    const std::vector<int> expected = {kMainMenuScreen, kHelpScreen,     kMainMenuScreen, kSetupScreen,
                                       kMainMenuScreen, kSetupScreen,    kMainMenuScreen, kLoadGameScreen,
                                       kMainMenuScreen};
    EXPECT_EQ(screensSeen, expected);
}

}  // namespace
