// The report of what happened since a seat's last turn, end to end: a loss
// to the computer reported, marked on the map and shown again on F4; in a
// hot-seat game each player is told of their own units only.
#include <algorithm>

#include "ui/button_ids.h"
#include "game/unit_types.h"
#include "game_fixture.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/sprite_layout.h"

namespace {


std::string TileOf(const Unit& u) { return std::to_string(u.x) + "," + std::to_string(u.y); }

class TurnReportTest : public GameTest {
protected:
    bool TurnShowing(int seat) const {
        return On(kHumanTurnScreen) && !PopupShowing() && ShowsButton(kEndTurnButton) && theGame.state.currentPlayer == seat;
    }
    void ConfirmSeat(const std::string& name, int turn) {
        player.When(name + "'s box", [this, name, turn] { return BoxShows(name, "TURN " + std::to_string(turn), ""); },
                    [](FakePlatform& f) { f.Key(VK_RETURN, 13); });
    }
    // The seat's turn, ended once the other seat's base has taken a point of damage.
    void HurtBaseAndEndTurn(int seat, int other) {
        player.When("seat " + std::to_string(seat) + "'s turn", [this, seat] { return TurnShowing(seat); },
                    [this, other](FakePlatform& f) {
                        theGame.state.units[UnitOf(other, kBase)].health -= 1;
                        ClickButtonNow(f, kEndTurnButton);
                    });
    }
    // The report is open, telling of the seat's own base first.
    void ReportOfOwnBase(int seat) {
        player.When("seat " + std::to_string(seat) + "'s report", [this, seat] {
            return ReportShowing() && theGame.state.currentPlayer == seat;
        }, [this, seat](FakePlatform& f) {
            const Unit& base = theGame.state.units[UnitOf(seat, kBase)];
            const std::string damage = std::to_string(base.health + 1) + " TO " + std::to_string(base.health);
            EXPECT_TRUE(ShowsText(30, 90, "YOUR BASE AT " + TileOf(base) + ", DAMAGED " + damage, 0));
            f.Key(VK_RETURN, 13);
        });
    }
    void QuitGame() {
        ClickWhen("QUIT TO MAIN MENU", [this] { return TurnShowing(theGame.state.currentPlayer); }, kQuitToMenuButton);
        ExitFromMenu();
        RunToQuit();
    }
};

TEST_F(TurnReportTest, AUnitTheComputerDestroyedIsReportedMarkedAndShownAgain) {
    Game game = MakePlayedGame(kSinglePlayer, {{true, "ANNA"}, {false, "RED COMP"}});
    WriteSavedGame(game, "SOLO-TEST.KV1");
    ContinueWith("SOLO-TEST.KV1");
    Unit lost;
    Point mark;
    // Alone in the middle of the map, one point of health left, beside a computer unit.
    player.When("the first turn, without a report", [this] { return TurnShowing(0); }, [&](FakePlatform& f) {
        const int middle = theGame.map.mapSize / 2;
        Unit& victim = theGame.state.units[UnitOf(0, kStandard)];
        Unit& enemy = theGame.state.units[UnitOf(1, kStandard)];
        victim.x = victim.y = enemy.y = middle;
        enemy.x = middle + 1;
        victim.health = 1;
        lost = victim;
        theGame.scrollX = std::min(middle - 6, theGame.maxScrollX);
        theGame.scrollY = std::min(middle - 5, theGame.maxScrollY);
        const Point centre = TileOnScreen(middle, middle);
        mark = {centre.x - 32, centre.y - 32};
        ClickButtonNow(f, kEndTurnButton);
    });
    player.When("the report at the next turn", [this] { return ReportShowing(); }, [&](FakePlatform& f) {
        EXPECT_EQ(theGame.state.turn, 2);
        EXPECT_TRUE(ShowsText(30, 70, "YOUR UNITS", 0));
        EXPECT_TRUE(ShowsText(30, 90, "YOUR STANDARD UNIT DESTROYED AT " + TileOf(lost), 0));
        f.Key(VK_RETURN, 13);
    });
    player.When("the marked tile, to ask again", [this] { return TurnShowing(0); }, [&](FakePlatform& f) {
        EXPECT_TRUE(ShowsPicture(mark.x, mark.y, sheet::kAttackMarker));
        f.Key(VK_F4);
    });
    player.When("the report again", [this] { return ReportShowing(); }, [](FakePlatform& f) { f.Key(VK_RETURN, 13); });
    // A click on the map clears the status line as it is taken.
    player.When("the turn, for a first order", [this] { return TurnShowing(0); }, [&](FakePlatform& f) {
        theGame.statusMessage = "WAITING";
        f.Click(mark.x + 32, mark.y + 32);
    });
    player.Then("the mark gone", [this] { return TurnShowing(0) && theGame.statusMessage != "WAITING"; },
                [&] { EXPECT_FALSE(ShowsPicture(mark.x, mark.y, sheet::kAttackMarker)); });
    QuitGame();
}

TEST_F(TurnReportTest, EachHotSeatPlayerIsToldOfTheirOwnUnits) {
    Game game = MakePlayedGame(kHotSeat, {{true, "ANNA"}, {true, "BORIS"}});
    WriteSavedGame(game, "HOTS-TEST.KV1");
    ContinueWith("HOTS-TEST.KV1");
    ConfirmSeat("ANNA", 1);
    HurtBaseAndEndTurn(0, 1);
    ConfirmSeat("BORIS", 1);
    HurtBaseAndEndTurn(1, 0);
    ConfirmSeat("ANNA", 2);
    ReportOfOwnBase(0);
    HurtBaseAndEndTurn(0, 1);
    ConfirmSeat("BORIS", 2);
    ReportOfOwnBase(1);
    QuitGame();
}

}  // namespace
