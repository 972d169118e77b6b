// Saved games dropped onto the window: copied into "Saved Games" from the
// main menu and the load game screen under the game's own file name, damaged
// files refused, an existing game replaced only after the OVERWRITE question.
#include <filesystem>

#include "game_fixture.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/popup.h"

namespace fs = std::filesystem;

namespace {


class FileDropTest : public GameTest {
protected:
    // A game by mail named `gameName` saved in another folder under
    // `fileName`, as a mail attachment lands.
    std::string Received(const std::string& fileName, const std::string& playerName,
                         const std::string& gameName = "DUEL") {
        Game game = MakePlayedGame(kPlayByMail, {{true, playerName, "APPLE"}, {true, "BORIS", "BANANA"}});
        game.state.gameName = gameName;
        game.saveFolder = "Downloads";
        fs::create_directories("Downloads");
        WriteSavedGame(game, fileName);
        return (fs::current_path() / "Downloads" / fileName).string();
    }
    void Drop(const std::string& what, std::function<bool()> ready, const std::string& path) {
        player.When(what, std::move(ready), [path](FakePlatform& f) { f.DropFile(path); });
    }
    bool MenuReady() const { return On(kMainMenuScreen) && ShowsButton(kExitGameButton); }
};

TEST_F(FileDropTest, GamesDroppedOnTheMainMenuAndTheLoadScreenAreCopiedAndListedAtOnce) {
    const std::string first = Received("pbem-duel.kv1", "ANNA");
    const std::string second = Received("PBEM-ZULU.KV1", "ZOE", "ZULU");
    Drop("the main menu without saved games", [this] {
        return MenuReady() && buttonTable[kLoadGameButton].state == kButtonHidden;
    }, first);
    ClickWhen("LOAD GAME, once it appears", [this] { return ShowsButton(kLoadGameButton); }, kLoadGameButton);
    Drop("the list of one game", [this] { return On(kLoadGameScreen) && ShowsText(16, 122, "PBEM-DUEL.KV1", 0); },
         second);
    player.When("the new game in its row, to pick it",
                [this] { return ShowsText(16, 122, "PBEM-DUEL.KV1", 0) && ShowsText(16, 142, "PBEM-ZULU.KV1", 0); },
                [](FakePlatform& f) { f.Click(40, 147); });
    player.Then("its summary", [this] { return ShowsText(340, 120, "GAME NAME   : PBEM-ZULU", 0); }, [this] {
        EXPECT_TRUE(ShowsText(340, 160, "GAME TYPE   : PLAY BY EMAIL", 0));
        EXPECT_EQ(theGame.state.players[0].name, "ZOE");
    });
    player.When("the list, to leave", [] { return true; }, [](FakePlatform& f) { f.Key(VK_ESCAPE, 27); });
    ExitFromMenu();
    RunToQuit();
    EXPECT_EQ(ReadFile("Saved Games/PBEM-DUEL.KV1"), ReadFile(first));
    EXPECT_EQ(ReadFile("Saved Games/PBEM-ZULU.KV1"), ReadFile(second));
}

TEST_F(FileDropTest, ADamagedFileIsRefusedAndAGameOfTheSameNameIsReplacedOnlyAfterTheOverwriteQuestion) {
    Game old = MakePlayedGame(kPlayByMail, {{true, "OLD", "APPLE"}, {true, "BORIS", "BANANA"}});
    WriteSavedGame(old, "PBEM-DUEL.KV1");
    const std::string oldBytes = ReadFile("Saved Games/PBEM-DUEL.KV1");
    WriteFile("Damaged/PBEM-DUEL.KV1", "\x01" "7 this is not a game");
    // Saved twice by a mail program: the attachment's name carries a count.
    const std::string path = Received("PBEM-DUEL (1).KV1", "NEW");
    // A game name no player could type would lead the copy out of the folder.
    const std::string astray = Received("PBEM-ASTRAY.KV1", "NEW", "/../../ASTRAY");
    Drop("the main menu", [this] { return MenuReady(); }, (fs::current_path() / "Damaged/PBEM-DUEL.KV1").string());
    player.When("the refusal", [this] { return BoxShows("NOT A SAVED GAME", "PBEM-DUEL", "NOTHING WAS COPIED"); },
                [](FakePlatform& f) { f.Key(VK_RETURN, 13); });
    Drop("the main menu, to drop the astray game", [this] { return MenuReady() && !PopupShowing(); }, astray);
    player.When("its refusal", [this] { return BoxShows("NOT A SAVED GAME", "PBEM-ASTRAY", "NOTHING WAS COPIED"); },
                [](FakePlatform& f) { f.Key(VK_RETURN, 13); });
    Drop("the main menu, to drop the good file", [this] { return MenuReady() && !PopupShowing(); }, path);
    player.When("the question, to keep the old game", [this] { return BoxShows("OVERWRITE OLD GAME?", "PBEM-DUEL", ""); },
                [](FakePlatform& f) { f.Key(VK_ESCAPE, 27); });
    player.Then("the old game kept", [this] { return MenuReady() && !PopupShowing(); }, [oldBytes] {
        EXPECT_EQ(ReadFile("Saved Games/PBEM-DUEL.KV1"), oldBytes);
    });
    Drop("the main menu, to drop it again", [this] { return MenuReady(); }, path);
    player.When("the question, to replace", [this] { return BoxShows("OVERWRITE OLD GAME?", "PBEM-DUEL", ""); },
                [](FakePlatform& f) { f.Key(VK_RETURN, 13); });
    ExitFromMenu();
    RunToQuit();
    EXPECT_EQ(ReadFile("Saved Games/PBEM-DUEL.KV1"), ReadFile(path));
    EXPECT_FALSE(fs::exists("Saved Games/PBEM-DUEL (1).KV1"));
    EXPECT_NE(ReadFile("Run.log").find("refused"), std::string::npos);
}

TEST_F(FileDropTest, AFileDroppedDuringATurnIsNotTakenLaterBySurprise) {
    Game mine = MakePlayedGame(kSinglePlayer, {{true, "ANNA"}, {false, "RED COMP"}});
    WriteSavedGame(mine, "SOLO-MINE.KV1");
    const std::string path = Received("PBEM-DUEL.KV1", "ANNA");
    ContinueWith("SOLO-MINE.KV1");
    Drop("ANNA's turn", [this] { return On(kHumanTurnScreen) && ShowsButton(kQuitToMenuButton); }, path);
    ClickWhen("QUIT TO MAIN MENU", [] { return true; }, kQuitToMenuButton);
    player.Then("the main menu", [this] { return MenuReady(); }, [] {
        EXPECT_FALSE(fs::exists("Saved Games/PBEM-DUEL.KV1"));
    });
    ExitFromMenu();
    RunToQuit();
    EXPECT_FALSE(fs::exists("Saved Games/PBEM-DUEL.KV1"));
}

}  // namespace
