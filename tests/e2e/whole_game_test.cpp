#include <algorithm>

#include "game_fixture.h"

namespace {

class WholeGameTest : public GameTest {
protected:
    // Notices and reports are read and closed; the game's end is the last box.
    void EndTurnsUntilTheGameEnds() {
        player.When("END TURN, a notice or the end of the game", [this] {
            return PopupShowing() || ReportShowing() ||
                   (On(kHumanTurnScreen) && LabelShown(kEndTurnButton) && theGame.state.turn != lastTurnEnded);
        }, [this](FakePlatform& f) {
            const bool over = BoxShows("GAME OVER");
            if (PopupShowing() || ReportShowing()) {
                f.Key(VK_RETURN, 13);
            } else {
                ++turnsEnded;
                lastTurnEnded = theGame.state.turn;
                Click(f, kEndTurnButton);
            }
            if (!over) return EndTurnsUntilTheGameEnds();
            ClickOn(kGameOverScreen, kQuitToMenuButton);
            ExitFromMenu();
        });
    }
    int turnsEnded = 0;
    int lastTurnEnded = -1;  // a click waits for the screen; it is not made twice
};

TEST_F(WholeGameTest, ATenTurnGameAgainstThreeHardComputersComesToItsEnd) {
    ClickOn(kMainMenuScreen, kSinglePlayerButton);
    ClickOn(kSetupScreen, kTurnVictoryButton);
    KeyWhen("the turn box, to empty it", [this] { return BoxShows("ENTER VICTORY TURN", "25", "(10 TO 100)"); },
            VK_DELETE, 127);
    player.TypeLine("the turn limit", [] { return popupBox.text.empty(); }, "10");
    ClickWhen("seat 3 to open", [this] { return theGame.state.victoryTurn == 10 && LabelShown(kSeatOpenButton + 2); },
              kSeatOpenButton + 2);
    ClickWhen("seat 4 to open", [this] { return theGame.state.players[2].seatOpen && LabelShown(kSeatOpenButton + 3); },
              kSeatOpenButton + 3);
    ClickWhen("the level, FAIR to HARD", [] { return theGame.state.players[3].seatOpen == 1; }, kComputerLevelButton);
    ClickWhen("LAUNCH", [] { return buttonTable[kComputerLevelButton].label == "HARD"; }, kSetupLaunchButton);
    EndTurnsUntilTheGameEnds();
    player.waitLimit = 20000;
    RunToQuit();
    // The fake machine's clock makes every run the same game: the three
    // computers hold out, and the limit ends it as turn 11 begins.
    EXPECT_EQ(turnsEnded, 10);
    EXPECT_EQ(theGame.state.turn, 11);
    EXPECT_EQ(std::count(screensSeen.begin(), screensSeen.end(), kComputerTurnScreen), 3 * turnsEnded);
}

}  // namespace
