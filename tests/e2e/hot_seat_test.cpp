// A hot-seat game of three humans with passwords: each seat's set-up turn,
// the password box before every turn (a wrong password told and asked again), and
// an elimination with its notice for the winner at once, for the third
// player at the start of its turn and for the loser at its hand-over.
#include "game/unit_types.h"
#include "game_fixture.h"
#include "save/saved_game.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/popup.h"

namespace {


class HotSeatTest : public GameTest {
protected:
    void PasswordTurn(const std::string& name, const std::string& password) {
        player.TypeLine(name + "'s password box",
                        [this, name] { return BoxShows(name, "", "ENTER YOUR PASSWORD") && popupBox.text.empty(); },
                        password);
    }
    void OkNotice(const std::string& what, const std::string& destroyer, const std::string& loser) {
        player.When(what, [this, destroyer, loser] { return BoxShows(destroyer, "HAS DESTROYED", loser); },
                    [this](FakePlatform& f) {
                        EXPECT_EQ(buttonTable[kPopupCancelButton].state, kButtonHidden);
                        f.Key(VK_RETURN, 13);
                    });
    }
};

TEST_F(HotSeatTest, ThreeHumansWithPasswordsAWrongPasswordAndAnEliminationWithItsNotices) {
    ClickWhen("the main menu", [this] { return On(kMainMenuScreen) && ShowsButton(kHotSeatButton); }, kHotSeatButton);
    ClickWhen("seat 3 to open", [this] { return On(kSetupScreen) && ShowsButton(kSeatOpenButton + 2); }, kSeatOpenButton + 2);
    ClickWhen(
        "seat 3 to make human",
        [this] { return theGame.state.players[2].seatOpen == 1 && ShowsButton(kSeatKindButton + 2); },
        kSeatKindButton + 2);
    ClickWhen("passwords on", [this] { return theGame.state.players[2].isHuman == 1; }, kPasswordsButton);
    player.Then("the first seat's choices", [this] { return theGame.state.usePasswords == 1 && ShowsButton(kPasswordsButton); },
                [this] {
        EXPECT_EQ(buttonTable[kPasswordsButton].label, "PASSWORD ENABLED");
        EXPECT_EQ(buttonTable[kFactionButton + 2].state, kButtonHidden);  // a human seat picks its own faction
    });
    SetUpSeat(0, "ANNA", "APPLE");
    player.When("the second seat's hand-over", [this] { return BoxShows("SETUP TURN FOR", "PLAYER # 2", ""); },
                [](FakePlatform& f) { f.Key(VK_RETURN, 13); });
    player.Then("the second seat's set-up", [this] { return On(kSetupScreen) && ShowsButton(kSeatNameButton + 1); }, [this] {
        EXPECT_EQ(buttonTable[kConquerButton].state, kButtonHidden);
        EXPECT_EQ(buttonTable[kFactionButton].state, kButtonHidden);  // the first seat's faction stays unseen
        EXPECT_EQ(buttonTable[kColourButton + 1].state, kButtonActive);
    });
    SetUpSeat(1, "BORIS", "BANANA");
    player.When("the third seat's hand-over", [this] { return BoxShows("SETUP TURN FOR", "PLAYER # 3", ""); },
                [](FakePlatform& f) { f.Key(VK_RETURN, 13); });
    SetUpSeat(2, "CLARA", "CHERRY");
    // Turn 1: ANNA mistypes, then gets it right.
    PasswordTurn("ANNA", "PEAR");
    player.TypeLine("the box again, telling the password was wrong and emptied",
                    [this] {
                        return BoxShows("ANNA", "", "WRONG PASSWORD") && popupBox.text.empty() &&
                               Seen(kHandOverScreen) && !On(kHumanTurnScreen);
                    },
                    "APPLE");
    // CLARA's only base has wandered next to ANNA's unit, badly damaged.
    DestroyBaseBeside(0, 2);
    OkNotice("ANNA's notice at once", "ANNA", "CLARA");
    player.Then("CLARA is dying", [this] { return !PopupShowing(); }, [this] {
        EXPECT_EQ(theGame.state.players[2].lifeState, kDying);
        EXPECT_EQ(theGame.state.players[2].destroyer, 0);
    });
    ClickWhen("END TURN", [this] { return ShowsButton(kEndTurnButton); }, kEndTurnButton);
    PasswordTurn("BORIS", "BANANA");
    OkNotice("BORIS's notice at the start of his turn", "ANNA", "CLARA");
    ClickWhen("BORIS's END TURN", [this] { return On(kHumanTurnScreen) && !PopupShowing() && ShowsButton(kEndTurnButton); },
          kEndTurnButton);
    PasswordTurn("CLARA", "CHERRY");
    OkNotice("CLARA's own notice", "ANNA", "CLARA");
    // Turn 2 comes round to ANNA; she walks away from the box.
    player.When("ANNA's second turn", [this] { return BoxShows("ANNA", "", "ENTER YOUR PASSWORD"); },
                [this](FakePlatform& f) {
        EXPECT_EQ(theGame.state.turn, 2);
        EXPECT_EQ(theGame.state.players[2].lifeState, kDead);
        f.Key(VK_ESCAPE, 27);
    });
    ExitFromMenu();
    RunToQuit();
    Game saved;
    saved.saveFileName = "HOTS-GAME-01.KV1";
    ASSERT_TRUE(LoadGameFromFile(saved));
    EXPECT_EQ(saved.state.players[0].password, "APPLE");
    EXPECT_EQ(saved.state.players[1].password, "BANANA");
    EXPECT_EQ(saved.state.players[2].password, "CHERRY");
    EXPECT_EQ(saved.state.players[2].lifeState, kDead);
    EXPECT_EQ(saved.state.turn, 2);
    EXPECT_EQ(saved.state.currentPlayer, 0);
}

}  // namespace
