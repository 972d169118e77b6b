// The computer turn (kComputerTurnScreen): one line of text while a computer
// seat plays its whole turn, without a frame loop and without input.
#include "handover/turn_cycle.h"
#include "screens/screens.h"
#include "shell/shell.h"
#include "ui/display.h"
#include "ui/text.h"

namespace {

constexpr int kCommandingLineY = 352;

}  // namespace

int ComputerTurnScreen() {
    display.ClearScreen();
    const int p = theGame.state.currentPlayer;
    theGame.statusMessage = theGame.state.players[p].name + " COMMANDING...";
    const int width = static_cast<int>(theGame.statusMessage.size()) * 16;
    DrawText((display.screenWidth - width) / 2, kCommandingLineY, theGame.statusMessage, kLargeFont);
    display.Present();
    PlayComputerTurn(theGame);
    return GoTo(kEndTurnScreen);
}
