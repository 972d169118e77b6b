// What a key or a click does on the turn screen: the function keys, orders
// on the map, the panel's buttons, the colour box, the score box and the
// mini-map.
#include "game/orders.h"
#include "platform/input.h"
#include "screens/commands.h"
#include "screens/hand_over.h"
#include "screens/human_turn.h"
#include "screens/screens.h"
#include "screens/turn_report.h"
#include "shell/shell.h"
#include "ui/buttons.h"
#include "ui/popup.h"

namespace {

constexpr Rect kColourBox{834, 525, 1024, 615};
constexpr Rect kScoreBox{834, 647, 1024, 711};

// The game as the turn began: any difference is an order given this turn.
GameState turnStart;

// Leaving a turn throws away the orders given in it: the player is asked
// first when there are any; closing the window again while asked is a yes.
// kConfirmed to leave, kCancelled, or kFatal.
int AgreeToLeaveTurn() {
    if (theGame.state == turnStart) return kConfirmed;
    popupBox.prompt = "LEAVE THIS TURN?";
    popupBox.text = "ITS ORDERS WILL BE LOST";
    popupBox.hint.clear();
    popupBox.inputShown = 0;
    const int answer = popupBox.RunPopup();
    if (answer == kFatal) return kFatal;
    return answer == kConfirmed || input.closeRequested ? kConfirmed : kCancelled;
}

// The help and details pages run inside the turn; whatever they answer, the
// turn goes on and redraws itself (their pictures replaced the sheet, and
// with it the mini-map).
void RunPage(int (*page)(), bool& redraw) {
    GetPlatform().PlaySound(kButtonClickSound);
    page();
    redraw = true;
}

int TakePanelClick(bool& redraw) {
    for (int id = kFirstTurnButton; id <= kLastTurnButton; ++id) {
        if (!ClickButton(buttonTable[id])) continue;
        if (id == kQuitToMenuButton) {
            redraw = true;
            if (const int agreed = AgreeToLeaveTurn(); agreed != kConfirmed) return agreed == kFatal ? kFatal : kStay;
        }
        ClearTurnReportMarks();
        if (const int result = ApplyButtonCommand(id); result != kStay) return result;
    }
    if (PointInRect(kColourBox, input.clickX, input.clickY)) {
        RunPage(RunHelpScreen, redraw);
    } else if (PointInRect(kScoreBox, input.clickX, input.clickY)) {
        RunPage(RunDetailsScreen, redraw);
    } else {
        ScrollToMiniMapClick(input.clickX, input.clickY);
    }
    return kStay;
}

}  // namespace

void RememberTurnStart() { turnStart = theGame.state; }

int TakeCloseRequest(bool& redraw) {
    input.closeRequested = 0;
    redraw = true;
    const int agreed = AgreeToLeaveTurn();
    if (agreed == kConfirmed) CloseWindowNow();
    return agreed == kFatal ? kFatal : kStay;
}

int TakeTurnKey(bool& redraw) {
    input.keyPressed = 0;
    theGame.statusMessage.clear();
    if (ScrollByKey(input.keyCode, input.keyRepeated != 0)) return kStay;
    switch (input.keyCode) {
        case VK_F1: RunPage(RunHelpScreen, redraw); return kStay;
        case VK_F2:
            GetPlatform().PlaySound(kButtonClickSound);
            redraw = true;
            return AskScrollDelay();
        case VK_F3: RunPage(RunDetailsScreen, redraw); return kStay;
        case VK_F4: redraw = true; return ShowTurnReportAgain();
        default: return kStay;
    }
}

int TakeTurnClick(bool& redraw) {
    input.clickPending = 0;
    theGame.statusMessage.clear();
    if (input.clickX < kMapViewWidth) {
        ClearTurnReportMarks();
        MapClick(theGame, input.clickButton, theGame.scrollX + input.clickX / kTilePixels,
                 theGame.scrollY + input.clickY / kTilePixels);
        redraw = true;
        return kStay;
    }
    return TakePanelClick(redraw);
}
