#include "game_fixture.h"

namespace {

class HotSeatTest : public GameTest {
protected:
    void PasswordTurn(const std::string& name, const std::string& password) {
        player.TypeLine(name + "'s password box, masked",
                        [this, name] { return BoxShows(name, "", "ENTER YOUR PASSWORD") && popupBox.masked; }, password);
    }
    void Notice(const std::string& what) { EnterWhen(what, [this] { return BoxShows("ANNA", "HAS DESTROYED", "CLARA"); }); }
    bool TurnOf(int seat) const {
        return On(kHumanTurnScreen) && !PopupShowing() && LabelShown(kEndTurnButton) && theGame.state.currentPlayer == seat;
    }
};

TEST_F(HotSeatTest, ThreeHumansWithPasswordsAWrongPasswordAndAnEliminationWithItsNotices) {
    ClickOn(kMainMenuScreen, kHotSeatButton);
    ClickOn(kSetupScreen, kSeatOpenButton + 2);
    ClickWhen("seat 3 to make human", [this] { return LabelShown(kSeatKindButton + 2, "COMPUTER"); }, kSeatKindButton + 2);
    ClickWhen("passwords on", [] { return theGame.state.players[2].isHuman == 1; }, kPasswordsButton);
    SetUpSeat(0, "ANNA", "APPLE");
    EnterWhen("the second seat's hand-over", [this] { return BoxShows("SETUP TURN FOR", "PLAYER # 2"); });
    SetUpSeat(1, "BORIS OF TWENTY CHAR", "BANANA");
    EnterWhen("the third seat's hand-over", [this] { return BoxShows("SETUP TURN FOR", "PLAYER # 3"); });
    SetUpSeat(2, "CLARA", "TWENTYLETTERPASSWORD");
    PasswordTurn("ANNA", "APPLY");  // as long as the right one, one letter off
    player.TypeLine("the box again, telling the password was wrong", [this] {
        return BoxShows("ANNA", "", "WRONG PASSWORD") && popupBox.text.empty() && !On(kHumanTurnScreen);
    }, "APPLE");
    // CLARA's only base has wandered next to ANNA's unit, badly damaged.
    player.When("ANNA's turn, to select the attacker", [this] { return TurnOf(0); }, [](FakePlatform& f) {
        const Unit& a = theGame.state.units[UnitOf(0, kStandard)];
        Unit& base = theGame.state.units[UnitOf(2, kBase)];
        base.x = a.x + (UnitAt(theGame, a.x + 1, a.y) < 0 ? 1 : -1);
        base.y = a.y;
        base.health = 1;
        f.Click(TileOnScreen(a.x, a.y).x, TileOnScreen(a.x, a.y).y);
    });
    player.When("the base, to attack it", [] { return theGame.unitSelected != 0; }, [](FakePlatform& f) {
        const Unit& base = theGame.state.units[UnitOf(2, kBase)];
        f.RightClick(TileOnScreen(base.x, base.y).x, TileOnScreen(base.x, base.y).y);
    });
    Notice("ANNA's notice at once");
    ClickWhen("END TURN", [this] { return TurnOf(0); }, kEndTurnButton);
    PasswordTurn("BORIS OF TWENTY CHAR", "BANANA");
    Notice("BORIS's notice at the start of his turn");
    ClickWhen("BORIS's END TURN", [this] { return TurnOf(1); }, kEndTurnButton);
    PasswordTurn("CLARA", "TWENTYLETTERPASSWORD");
    Notice("CLARA's own notice");
    EscapeWhen("ANNA's second turn, to walk away", [this] { return BoxShows("ANNA", "", "ENTER YOUR PASSWORD"); });
    QuitFromMenu();
    // The game as ANNA's second hand-over read it from the file.
    EXPECT_EQ(theGame.state.players[2].password, "TWENTYLETTERPASSWORD");
    EXPECT_EQ(theGame.state.players[2].lifeState, kDead);
    EXPECT_EQ(theGame.state.turn, 2);
}

TEST_F(HotSeatTest, EachPlayerIsToldOfTheirOwnUnits) {
    WriteSavedGame(PlayedGame(kHotSeat, {"ANNA", "BORIS"}), "HOTS-TEST.KV1");
    ContinueWith("HOTS-TEST.KV1");
    for (int turn = 0; turn < 4; ++turn) {
        const int seat = turn % 2;
        const std::string name = seat == 0 ? "ANNA" : "BORIS";
        EnterWhen(name + "'s box", [this, name, turn] { return BoxShows(name, "TURN " + std::to_string(1 + turn / 2)); });
        if (turn >= 2) {
            player.When(name + "'s report", [this] { return ReportShowing(); }, [this, seat](FakePlatform& f) {
                const Unit& base = theGame.state.units[UnitOf(seat, kBase)];
                const std::string at = std::to_string(base.x) + "," + std::to_string(base.y);
                const std::string damage = std::to_string(base.health + 1) + " TO " + std::to_string(base.health);
                EXPECT_TRUE(TextShown(30, 90, "YOUR BASE AT " + at + ", DAMAGED " + damage)) << seat;
                f.Key(VK_RETURN, 13);
            });
        }
        // The other seat's base takes a point of damage before the turn ends.
        player.When(name + "'s turn", [this, seat] { return TurnOf(seat); }, [this, seat](FakePlatform& f) {
            theGame.state.units[UnitOf(1 - seat, kBase)].health -= 1;
            Click(f, kEndTurnButton);
        });
    }
    EscapeWhen("ANNA's box, to walk away", [this] { return BoxShows("ANNA", "TURN 3"); });
    QuitFromMenu();
}

}  // namespace
