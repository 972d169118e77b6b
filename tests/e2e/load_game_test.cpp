#include <fstream>

#include "game_fixture.h"

namespace {

std::string Numbered(int n) { return std::string("SOLO-G") + (n < 10 ? "0" : "") + std::to_string(n) + ".KV1"; }

int RowY(int row) { return 122 + 20 * row; }

class LoadGameTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        for (int n = 1; n <= 31; ++n) {
            Game game = PlayedGame(kSinglePlayer, {"ANNA", "RED COMP"});
            game.state.gameName = Numbered(n).substr(5, 3);
            WriteSavedGame(game, Numbered(n));
        }
        ClickOn(kMainMenuScreen, kLoadGameButton);
    }
    bool RowShows(int row, int n) const { return On(kLoadGameScreen) && TextShown(16, RowY(row), Numbered(n)); }
    // The action once the list shows game n in the row.
    void AtRow(int row, int n, std::function<void(FakePlatform&)> act) {
        player.When(Numbered(n) + " in row " + std::to_string(row), [this, row, n] { return RowShows(row, n); }, act);
    }
};

TEST_F(LoadGameTest, ADamagedFileIsToldAndLeavesNothingPickedAndEnterLaunchesOnlyAPickedGame) {
    std::ofstream("Saved Games/SOLO-A.KV1") << "\x02" "12not a saved game at all";  // listed first
    AtRow(2, 2, [](FakePlatform& f) { f.Click(100, RowY(2) + 5); });
    player.When("the summary, to pick the damaged game", [this] { return TextShown(340, 120, "GAME NAME   : SOLO-G02"); },
                [](FakePlatform& f) { f.Click(100, RowY(0) + 5); });
    EnterWhen("the notice, to close it", [this] { return BoxShows("THIS GAME CANNOT BE READ", "SOLO-A", "THE FILE IS DAMAGED"); });
    EnterWhen("the list, to press Enter with nothing picked", [this] { return On(kLoadGameScreen) && !PopupShowing(); });
    player.Then("nothing picked and nothing launched", [this] { return RowShows(1, 1); }, [this] {
        EXPECT_FALSE(TextShown(340, 120, "GAME NAME   : SOLO-G02"));
        EXPECT_FALSE(LabelShown(kLaunchSavedGameButton));
    });
    AtRow(1, 1, [](FakePlatform& f) { f.Click(100, RowY(1) + 5); });
    EnterWhen("the summary, to launch with Enter", [this] { return LabelShown(kLaunchSavedGameButton); });
    ClickOn(kHumanTurnScreen, kQuitToMenuButton);
    QuitFromMenu();
    EXPECT_EQ(ReadFile("Korvessa.ini").rfind(Numbered(1), 0), 0u);
    EXPECT_NE(ReadFile("Run.log").find("SOLO-A.KV1"), std::string::npos);
}

}  // namespace
