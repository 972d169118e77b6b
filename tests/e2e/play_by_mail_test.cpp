// A game by mail between two installations: every turn ends in the saved
// game, the player who just played cancels the next password box and
// quits, and the file travels to the other folder, where it opens from the
// main menu's continue button or the load game screen.
#include <filesystem>

#include "game_fixture.h"
#include "save/saved_game.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/popup.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kGameFile = "PBEM-GAME-01.KV1";

class PlayByMailTest : public GameTest {
protected:
    void CancelBoxOf(const std::string& name) {
        player.When(name + "'s password box, to cancel",
                    [this, name] { return BoxShows(name, "", "ENTER YOUR PASSWORD"); },
                    [](FakePlatform& f) { f.Key(VK_ESCAPE, 27); });
    }
    // Mails the game from one folder's "Saved Games" into the other's.
    static void Mail(const std::string& from, const std::string& to) {
        fs::copy_file(fs::path(from) / "Saved Games" / kGameFile, fs::path(to) / "Saved Games" / kGameFile,
                      fs::copy_options::overwrite_existing);
    }
    static Game Saved(const std::string& folder) {
        Game game;
        game.saveFolder = folder + "/Saved Games";
        game.saveFileName = kGameFile;
        EXPECT_TRUE(LoadGameFromFile(game));
        return game;
    }
};

TEST_F(PlayByMailTest, TwoPlayersPassTheSavedGameBetweenTheirFolders) {
    const std::string home = fs::current_path().string();
    const std::string anna = home + "/anna", boris = home + "/boris";
    MakeDataFolder(anna);
    MakeDataFolder(boris);

    // ANNA starts the game and hands the second seat's set-up on by mail.
    EnterFolder(anna);
    ClickWhen("PLAY BY EMAIL", [this] { return On(kMainMenuScreen) && ShowsButton(kPlayByMailButton); }, kPlayByMailButton);
    player.Then("the set-up of a game by mail", [this] { return On(kSetupScreen) && ShowsButton(kPasswordsButton); }, [this] {
        EXPECT_EQ(buttonTable[kPasswordsButton].label, "PASSWORD ENABLED");
        EXPECT_EQ(buttonTable[kPasswordsButton].state, kButtonTextOnly);
    });
    SetUpSeat(0, "ANNA", "APPLE");
    player.When("the second seat's set-up box, to cancel", [this] {
        return BoxShows("SETUP TURN FOR", "PLAYER # 2", "");
    }, [](FakePlatform& f) { f.Key(VK_ESCAPE, 27); });
    ExitFromMenu();
    RunToQuit();
    Mail(anna, boris);

    // BORIS finds it on his load screen, sets up his seat, and mails it back
    // once the box asks for ANNA's password.
    NewSession();
    EnterFolder(boris);
    LaunchFirstListedGame(kGameFile);
    player.When("his set-up box", [this] { return BoxShows("SETUP TURN FOR", "PLAYER # 2", ""); },
                [](FakePlatform& f) { f.Key(VK_RETURN, 13); });
    SetUpSeat(1, "BORIS", "BANANA");
    CancelBoxOf("ANNA");
    ExitFromMenu();
    RunToQuit();
    Mail(boris, anna);
    EXPECT_EQ(Saved(anna).state.turn, 1);

    // ANNA plays the first turn from her continue button.
    NewSession();
    EnterFolder(anna);
    ClickWhen("the continue button", [this] {
        return On(kMainMenuScreen) && ShowsButton(kLastGameButton) && buttonTable[kLastGameButton].label == "PBEM-GAME-01";
    }, kLastGameButton);
    player.TypeLine("ANNA's password", [this] { return BoxShows("ANNA", "", "ENTER YOUR PASSWORD"); }, "APPLE");
    ClickWhen("END TURN", [this] { return On(kHumanTurnScreen) && ShowsButton(kEndTurnButton); }, kEndTurnButton);
    CancelBoxOf("BORIS");
    ExitFromMenu();
    RunToQuit();
    Mail(anna, boris);

    // BORIS continues from his own menu: his password, his turn.
    NewSession();
    EnterFolder(boris);
    ClickWhen("the continue button", [this] { return On(kMainMenuScreen) && ShowsButton(kLastGameButton); },
          kLastGameButton);
    player.TypeLine("BORIS's password", [this] { return BoxShows("BORIS", "", "ENTER YOUR PASSWORD"); }, "BANANA");
    player.Then("BORIS's turn", [this] { return On(kHumanTurnScreen) && ShowsButton(kEndTurnButton); }, [this] {
        EXPECT_EQ(theGame.state.currentPlayer, 1);
        EXPECT_EQ(theGame.state.turn, 1);
        EXPECT_NE(theGame.map.mapSeed, -1);  // the world ANNA's first turn made
        EXPECT_TRUE(ShowsText(838, 530, "BORIS", 0));
    });
    ClickWhen("QUIT TO MAIN MENU", [this] { return ShowsButton(kQuitToMenuButton); }, kQuitToMenuButton);
    ExitFromMenu();
    RunToQuit();

    const Game inBoris = Saved(boris);
    EXPECT_EQ(inBoris.state.players[0].name, "ANNA");
    EXPECT_EQ(inBoris.state.players[1].name, "BORIS");
    EXPECT_EQ(inBoris.state.currentPlayer, 1);
    EXPECT_EQ(inBoris.state.players[0].password, "APPLE");
}

}  // namespace
