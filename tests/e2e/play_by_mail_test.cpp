// A game by mail between two installations, the file carried from one folder to the other.

#include <filesystem>

#include "game_fixture.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kGameFile = "PBEM-GAME-01.KV1";

class PlayByMailTest : public GameTest {
protected:
    // The next player's password box is cancelled, and the game left.
    void CancelBoxOfAndQuit(const std::string& name) {
        EscapeWhen(name + "'s password box, to cancel", [this, name] { return BoxShows(name, "", "ENTER YOUR PASSWORD"); });
        QuitFromMenu();
    }
    // Mails the game from one folder's "Saved Games" into the other's.
    static void Mail(const fs::path& from, const fs::path& to) {
        fs::copy_file(from / "Saved Games" / kGameFile, to / "Saved Games" / kGameFile, fs::copy_options::overwrite_existing);
    }
};

TEST_F(PlayByMailTest, TwoPlayersPassTheSavedGameBetweenTheirFolders) {
    const fs::path anna = fs::current_path() / "anna", boris = fs::current_path() / "boris";
    MakeGameFolder(anna);
    MakeGameFolder(boris);

    // ANNA starts the game and hands the second seat's set-up on by mail.
    fs::current_path(anna);
    ClickOn(kMainMenuScreen, kPlayByMailButton);
    player.Then("the set-up of a game by mail", [this] { return On(kSetupScreen) && LabelShown(kPasswordsButton); },
                [] { EXPECT_EQ(buttonTable[kPasswordsButton].state, kButtonTextOnly); });
    SetUpSeat(0, "ANNA", "APPLE");
    EscapeWhen("the second seat's set-up box, to cancel", [this] { return BoxShows("SETUP TURN FOR", "PLAYER # 2"); });
    QuitFromMenu();
    Mail(anna, boris);

    // BORIS opens it (a pick on the load screen is played in load_game_test),
    // sets up his seat, and mails it back.
    NewSession(boris);
    ContinueWith(kGameFile);
    EnterWhen("his set-up box", [this] { return BoxShows("SETUP TURN FOR", "PLAYER # 2"); });
    player.Then("his set-up", [this] { return On(kSetupScreen) && !PopupShowing() && LabelShown(kSeatNameButton + 1); },
                [this] { EXPECT_TRUE(LabelShown(kTerrainButton, theGame.state.terrainName)) << "ANNA's terrain"; });
    SetUpSeat(1, "BORIS", "BANANA");
    CancelBoxOfAndQuit("ANNA");
    Mail(boris, anna);

    // ANNA plays the first turn from her continue button.
    NewSession(anna);
    ContinueWith(kGameFile);
    player.TypeLine("ANNA's password", [this] { return BoxShows("ANNA", "", "ENTER YOUR PASSWORD"); }, "APPLE");
    ClickOn(kHumanTurnScreen, kEndTurnButton);
    CancelBoxOfAndQuit("BORIS");
    Mail(anna, boris);

    // BORIS continues from his own menu: his password, his turn on the world ANNA's turn made.
    NewSession(boris);
    ContinueWith(kGameFile);
    player.TypeLine("BORIS's password", [this] { return BoxShows("BORIS", "", "ENTER YOUR PASSWORD"); }, "BANANA");
    player.Then("BORIS's turn", [this] { return On(kHumanTurnScreen) && LabelShown(kEndTurnButton); }, [this] {
        EXPECT_EQ(theGame.state.turn, 1);
        EXPECT_NE(theGame.map.mapSeed, -1);
        EXPECT_TRUE(TextShown(838, 530, "BORIS"));
    });
    ClickOn(kHumanTurnScreen, kQuitToMenuButton);
    QuitFromMenu();
}

}  // namespace
