// A whole single-player game against three computers, played to its end by
// a player who only ends turns, until the turn limit finishes it.
#include "game_fixture.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/popup.h"

namespace {


class WholeGameTest : public GameTest {
protected:
    // Ends every turn it is given; notices and reports are read and closed; the game's
    // end is the last box.
    void EndTurnsUntilTheGameEnds() {
        player.When("END TURN, a notice or the end of the game", [this] {
            return PopupShowing() || ReportShowing() ||
                   (On(kHumanTurnScreen) && ShowsButton(kEndTurnButton) && theGame.state.turn != lastTurnEnded);
        }, [this](FakePlatform& f) {
            if (PopupShowing("GAME OVER")) {
                f.Key(VK_RETURN, 13);
                LeaveTheFinishedGame();
                return;
            }
            if (PopupShowing() || ReportShowing()) {
                f.Key(VK_RETURN, 13);
            } else {
                ++turnsEnded;
                lastTurnEnded = theGame.state.turn;
                ClickButtonNow(f, kEndTurnButton);
            }
            EndTurnsUntilTheGameEnds();
        });
    }
    void LeaveTheFinishedGame() {
        ClickWhen(
            "QUIT TO MAIN MENU", [this] { return On(kGameOverScreen) && ShowsButton(kQuitToMenuButton); },
            kQuitToMenuButton);
        ClickWhen("EXIT GAME", [this] { return On(kMainMenuScreen) && ShowsButton(kExitGameButton); },
                  kExitGameButton);
    }
    int turnsEnded = 0;
    int lastTurnEnded = -1;  // a click waits for the screen; it is not made twice
};

TEST_F(WholeGameTest, ATenTurnGameAgainstThreeHardComputersComesToItsEnd) {
    ClickWhen("SINGLE PLAYER", [this] { return On(kMainMenuScreen) && ShowsButton(kSinglePlayerButton); }, kSinglePlayerButton);
    ClickWhen("victory by turn", [this] { return On(kSetupScreen) && ShowsButton(kTurnVictoryButton); }, kTurnVictoryButton);
    player.When("the turn box, to empty it", [this] { return BoxShows("ENTER VICTORY TURN", "25", "(10 TO 100)"); },
                [](FakePlatform& f) { f.Key(VK_DELETE, 127); });
    player.TypeLine("the turn limit", [] { return popupBox.text.empty(); }, "10");
    ClickWhen("seat 3 to open", [this] { return theGame.state.victoryTurn == 10 && ShowsButton(kSeatOpenButton + 2); },
              kSeatOpenButton + 2);
    ClickWhen("seat 4 to open", [this] { return theGame.state.players[2].seatOpen && ShowsButton(kSeatOpenButton + 3); },
              kSeatOpenButton + 3);
    ClickWhen("the level, FAIR to HARD", [this] { return theGame.state.players[3].seatOpen == 1; }, kComputerLevelButton);
    ClickWhen(
        "LAUNCH",
        [this] {
            return theGame.state.computerLevel == kHard && buttonTable[kComputerLevelButton].label == "HARD";
        },
        kSetupLaunchButton);
    EndTurnsUntilTheGameEnds();
    player.waitLimit = 20000;
    RunProgram();
    EXPECT_TRUE(player.Done()) << player.Stuck();
    EXPECT_EQ(lastResult, kQuit);
    EXPECT_TRUE(Seen(kGameOverScreen));
    // The fake machine's clock makes every run the same game: the three
    // computers hold out, and the limit ends it as turn 11 begins.
    EXPECT_EQ(turnsEnded, 10);
    EXPECT_EQ(theGame.state.turn, 11);
    int computerTurns = 0;
    for (int screen : screensSeen) computerTurns += screen == kComputerTurnScreen ? 1 : 0;
    EXPECT_EQ(computerTurns, 3 * turnsEnded);
    for (int seat = 1; seat < kSeats; ++seat) EXPECT_TRUE(theGame.state.players[seat].name.ends_with(" COMP"));
}

}  // namespace
