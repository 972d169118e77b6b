// The load game screen as a player uses it: a long list scrolled with the
// arrow keys and the wheel, picking games, damaged files, and leaving.
#include <cstdio>
#include <filesystem>

#include "game_fixture.h"
#include "shell/settings.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/text_layout.h"

namespace {


std::string Numbered(int n) {
    char name[32];
    std::snprintf(name, sizeof name, "SOLO-G%02d.KV1", n);
    return name;
}

int RowY(int row) { return 122 + 20 * row; }

class LoadGameTest : public GameTest {
protected:
    void MakeGames(int count) {
        for (int n = 1; n <= count; ++n) {
            Game game = MakePlayedGame(kSinglePlayer, {{true, "ANNA"}, {false, "RED COMP"}});
            game.state.gameName = Numbered(n).substr(5, 3);
            game.state.turn = n;
            WriteSavedGame(game, Numbered(n));
        }
    }
    void OpenLoadScreen() { ClickWhen("LOAD GAME", [this] { return On(kMainMenuScreen) && ShowsButton(kLoadGameButton); }, kLoadGameButton); }
    bool RowShows(int row, const std::string& name) const { return ShowsText(16, RowY(row), name, kSmallFont); }
    void WaitFrames(int frames) {
        auto until = std::make_shared<int>(-1);
        player.When("a few frames", [this, until, frames] {
            if (*until < 0) *until = fake.Frames() + frames;
            return fake.Frames() >= *until;
        }, [](FakePlatform&) {});
    }
};

TEST_F(LoadGameTest, ThirtyOneGamesScrollOneRowPerFrameWithTheArrowsAndNoFurther) {
    MakeGames(31);
    OpenLoadScreen();
    player.Then("the list", [this] { return On(kLoadGameScreen) && RowShows(0, Numbered(1)); }, [this] {
        EXPECT_TRUE(ShowsText(16, 736, "1-30 OF 31", kSmallFont));
        EXPECT_TRUE(RowShows(29, Numbered(30)));
        EXPECT_FALSE(ShowsText(16, RowY(30), Numbered(31), kSmallFont));
        EXPECT_EQ(buttonTable[kLaunchSavedGameButton].state, kButtonHidden);
        EXPECT_TRUE(ShowsButton(kReturnButton));
    });
    player.When("the list, to hold Down", [] { return true; }, [](FakePlatform& f) { f.HoldKey(VK_DOWN, true); });
    WaitFrames(10);
    player.Then("the list at its end", [this] { return RowShows(29, Numbered(31)); }, [this] {
        EXPECT_TRUE(RowShows(0, Numbered(2)));
        EXPECT_TRUE(ShowsText(16, 736, "2-31 OF 31", kSmallFont));
    });
    player.When("the list, to wheel it up", [] { return true; }, [](FakePlatform& f) {
        f.HoldKey(VK_DOWN, false);
        f.Wheel(1, 500, 400);
    });
    player.Then("the list wheeled to its top", [this] { return RowShows(0, Numbered(1)); }, [] {});
    player.When("the list, to wheel it down", [] { return true; }, [](FakePlatform& f) { f.Wheel(-1, 500, 400); });
    player.Then("the list wheeled to its end", [this] { return RowShows(29, Numbered(31)); }, [] {});
    player.When("the list, to hold Up", [] { return true; }, [](FakePlatform& f) { f.HoldKey(VK_UP, true); });
    WaitFrames(10);
    player.Then("the list back at its top", [this] { return RowShows(0, Numbered(1)); }, [this] {
        EXPECT_TRUE(RowShows(29, Numbered(30)));
    });
    player.When("the list, to pick the fourth game", [] { return true; }, [](FakePlatform& f) {
        f.HoldKey(VK_UP, false);
        f.Click(100, RowY(3) + 5);
    });
    player.Then("the summary", [this] { return ShowsText(340, 120, "GAME NAME   : SOLO-G04", kSmallFont); }, [this] {
        EXPECT_EQ(theGame.saveFileName, Numbered(4));
        EXPECT_TRUE(ShowsButton(kLaunchSavedGameButton));
        // The picked row stays lit with the cursor away from it.
        EXPECT_NE(Pixel(320, RowY(3) + 8), Pixel(320, RowY(5) + 8));
    });
    player.When("the summary, to leave with Escape", [] { return true; }, [](FakePlatform& f) { f.Key(VK_ESCAPE, 27); });
    ExitFromMenu();
    RunToQuit();
    // Leaving keeps the picked game in memory, as the screen promises.
    EXPECT_EQ(theGame.state.turn, 4);
}

TEST_F(LoadGameTest, ADamagedFileIsToldAndLeavesNothingPicked) {
    MakeGames(2);
    WriteFile("Saved Games/SOLO-G03.KV1", "\x02" "12not a saved game at all");
    OpenLoadScreen();
    player.When("the list, to pick the damaged game", [this] { return On(kLoadGameScreen) && RowShows(2, Numbered(3)); },
                [](FakePlatform& f) { f.Click(100, RowY(2) + 5); });
    player.When("the notice in a player's words, to close it",
                [this] { return BoxShows("THIS GAME CANNOT BE READ", "SOLO-G03", "THE FILE IS DAMAGED"); },
                [](FakePlatform& f) { f.Key(VK_RETURN, 13); });
    player.Then("nothing picked", [this] { return On(kLoadGameScreen) && !PopupShowing(); }, [this] {
        EXPECT_EQ(buttonTable[kLaunchSavedGameButton].state, kButtonHidden);
        EXPECT_TRUE(theGame.saveFileName.empty());
    });
    player.When("the list, to pick the second game", [] { return true; }, [](FakePlatform& f) { f.Click(100, RowY(1) + 5); });
    player.When("its summary, to try the damaged one again",
                [this] { return ShowsText(340, 120, "GAME NAME   : SOLO-G02", kSmallFont); },
                [](FakePlatform& f) { f.Click(100, RowY(2) + 5); });
    player.When("the notice, to close it", [this] { return PopupShowing("THIS GAME CANNOT BE READ"); },
                [](FakePlatform& f) { f.Key(VK_RETURN, 13); });
    WaitFrames(3);
    player.When("the list, to press Enter with nothing picked", [] { return true; },
                [](FakePlatform& f) { f.Key(VK_RETURN, 13); });
    WaitFrames(3);
    player.Then("nothing picked and nothing launched", [] { return true; }, [this] {
        EXPECT_TRUE(On(kLoadGameScreen));
        EXPECT_FALSE(ShowsText(340, 120, "GAME NAME   : SOLO-G02", kSmallFont));
        EXPECT_TRUE(theGame.saveFileName.empty());
        EXPECT_FALSE(ShowsButton(kLaunchSavedGameButton));
    });
    player.When("a click below the last row", [] { return true; }, [](FakePlatform& f) { f.Click(100, RowY(10) + 5); });
    ClickWhen("the list, to go back", [] { return true; }, kReturnButton);
    ExitFromMenu();
    RunToQuit();
    EXPECT_NE(ReadFile("Run.log").find("SOLO-G03.KV1"), std::string::npos);
}

TEST_F(LoadGameTest, EnterLaunchesThePickedGameAndRecordsItAsTheLastGame) {
    MakeGames(1);
    OpenLoadScreen();
    player.When("Enter before anything is picked", [this] { return On(kLoadGameScreen) && RowShows(0, Numbered(1)); },
                [](FakePlatform& f) { f.Key(VK_RETURN, 13); });
    WaitFrames(3);
    player.When("still the list, to pick", [this] { return On(kLoadGameScreen); },
                [](FakePlatform& f) { f.Click(30, RowY(0) + 2); });
    player.When("the summary, to press Enter", [this] { return ShowsButton(kLaunchSavedGameButton); },
                [](FakePlatform& f) { f.Key(VK_RETURN, 13); });
    player.When("the hand-over", [this] { return Seen(kHandOverScreen); }, [](FakePlatform& f) { f.Close(); });
    RunProgram();
    EXPECT_TRUE(player.Done()) << player.Stuck();
    EXPECT_NE(ReadFile("Korvessa.ini").find(Numbered(1)), std::string::npos);
}

}  // namespace
