#include <fstream>

#include "game_fixture.h"
#include "screens/load_game_list.h"

namespace {

using LoadGameTest = GameTest;

// The rows list the damaged SOLO-A first, then SOLO-G01 and SOLO-G02.
TEST_F(LoadGameTest, ADamagedFileIsToldAndLeavesNothingPickedAndEnterLaunchesOnlyAPickedGame) {
    for (const std::string name : {"G01", "G02"}) {
        Game game = PlayedGame(kSinglePlayer, {"ANNA", "RED COMP"});
        game.state.gameName = name;
        WriteSavedGame(game, "SOLO-" + name + ".KV1");
    }
    std::ofstream("Saved Games/SOLO-A.KV1") << "\x02" "12not a saved game at all";
    const auto rowY = [](int row) { return kRowTop + kRowStep * row; };
    const auto clickRow = [rowY](int row) { return [y = rowY(row)](FakePlatform& f) { f.Click(100, y + 5); }; };
    const auto listed = [this, rowY] { return On(kLoadGameScreen) && TextShown(kRowLeft, rowY(2), "SOLO-G02.KV1"); };
    ClickOn(kMainMenuScreen, kLoadGameButton);
    uint32_t unlit = 0;
    player.When("the list, to pick SOLO-G02", listed, [&](FakePlatform& f) {
        unlit = Pixel(320, rowY(2) + 8);
        clickRow(2)(f);
    });
    const auto summary = [this] { return TextShown(340, 120, "GAME NAME   : SOLO-G02"); };
    player.When("the summary, to point away from the list", summary, [](FakePlatform& f) { f.SetCursor(700, 700); });
    // The picked game's row stays lit when the pointer leaves it.
    player.Then("the pointer away", summary, [&] { EXPECT_NE(Pixel(320, rowY(2) + 8), unlit); });
    player.When("the summary, to pick the damaged game", summary, clickRow(0));
    EnterWhen("the notice, to close it", [this] { return BoxShows("THIS GAME CANNOT BE READ", "SOLO-A", "THE FILE IS DAMAGED"); });
    EnterWhen("the list, to press Enter with nothing picked", [this] { return On(kLoadGameScreen) && !PopupShowing(); });
    player.Then("nothing picked and nothing launched", listed, [this] {
        EXPECT_FALSE(TextShown(340, 120, "GAME NAME   : SOLO-G02"));
        EXPECT_FALSE(LabelShown(kLaunchSavedGameButton));
    });
    player.When("SOLO-G01, to pick it", listed, clickRow(1));
    EnterWhen("the summary, to launch with Enter", [this] { return LabelShown(kLaunchSavedGameButton); });
    ClickOn(kHumanTurnScreen, kQuitToMenuButton);
    QuitFromMenu();
    EXPECT_EQ(ReadFile("Korvessa.ini").rfind("SOLO-G01.KV1", 0), 0u);
    EXPECT_NE(ReadFile("Run.log").find("SOLO-A.KV1"), std::string::npos);
}

}  // namespace
