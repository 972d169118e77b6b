// The new game set-up screen (kSetupScreen): every seat of a new game
// passes through it once, in seat order, before the first playing turn.
// Seat 0 chooses the game; a later human seat its name, faction and colour;
// a computer seat is named after its colour without any screen.
#include <algorithm>

#include "handover/turn_cycle.h"
#include "platform/input.h"
#include "screens/commands.h"
#include "screens/screens.h"
#include "screens/setup_buttons.h"
#include "screens/setup_view.h"
#include "shell/settings.h"
#include "shell/shell.h"
#include "ui/buttons.h"
#include "ui/display.h"
#include "ui/images.h"
#include "ui/popup.h"

namespace {

constexpr int kEnter = 13;
constexpr int kEscape = 27;

// Hands the machine to the player of a later seat; false when they back out.
bool HandMachineTo(int seat) {
    display.ClearScreen();
    popupBox.prompt = "SETUP TURN FOR";
    popupBox.text = "PLAYER # " + std::to_string(seat + 1);
    popupBox.hint.clear();
    popupBox.inputShown = 0;
    return popupBox.RunPopup() == kConfirmed;
}

void RefreshButtons(int seat) {
    if (seat == 0) ShowFirstSeatButtons(theGame);
    RefreshSetupLabels(theGame, TerrainList[terrainChoice]);
}

// What the LAUNCH command answered, as the screen's own result: 10 goes on.
int LaunchAnswer(int answer, bool& launched) {
    if (answer == kFatal) return kFatal;
    if (answer == kCancelled) return GoTo(kMainMenuScreen);
    if (answer == kConfirmed) launched = true;
    return kStay;
}

int TakeClick(int seat, bool& launched) {
    input.clickPending = 0;
    int result = kStay;
    for (int id = kFirstSetupButton; id <= kLastSetupButton && result == kStay; ++id) {
        if (ClickButton(buttonTable[id])) result = LaunchAnswer(ApplyButtonCommand(id), launched);
    }
    RefreshButtons(seat);
    return result;
}

int TakeKey(bool& launched) {
    input.keyPressed = 0;
    if (input.typedChar == kEnter) {
        GetPlatform().PlaySound(kButtonClickSound);
        return LaunchAnswer(ApplyButtonCommand(kSetupLaunchButton), launched);
    }
    if (input.typedChar == kEscape) {
        GetPlatform().PlaySound(kButtonClickSound);
        return GoTo(kMainMenuScreen);
    }
    return kStay;
}

// The first seat's launch makes the game: its date, its living seats and,
// for "RANDOM", a terrain drawn from the list (the choice itself stays).
void LaunchGame() {
    GameState& s = theGame.state;
    s.startDate = LongDateText();
    for (Player& p : s.players) {
        if (p.seatOpen != 0) p.lifeState = kAlive;
    }
    int pick = terrainChoice;
    if (pick == 0) pick = 1 + theGame.rng.Below(static_cast<int>(TerrainList.size()) - 1);
    s.terrainName = TerrainList[pick];
}

int LaunchedTerrainChoice(int current) {
    const auto found = std::find(TerrainList.begin() + 1, TerrainList.end(), theGame.state.terrainName);
    return found == TerrainList.end() ? current : static_cast<int>(found - TerrainList.begin());
}

int RunSetupFrames(int seat) {
    if (!LoadScreenImages(SetupImages())) return kFatal;
    bool launched = false;
    PictureWatch watch;
    while (!launched) {
        // The terrain may have been chosen since the screen opened.
        if (!PumpMessages(watch) && !RecoverDisplay(SetupImages(), watch)) return kFatal;
        DrawSetupScreen();
        if (input.clickPending) {
            if (const int result = TakeClick(seat, launched); result != kStay) return result;
        }
        if (!launched && input.keyPressed) {
            if (const int result = TakeKey(launched); result != kStay) return result;
        }
    }
    return kConfirmed;
}

}  // namespace

int SetupScreen() {
    const int seat = theGame.state.currentPlayer;
    if (!theGame.state.players[seat].isHuman) {
        SetUpComputerSeat(theGame);
        return GoTo(kEndTurnScreen);
    }
    if (seat > 0 && !HandMachineTo(seat)) return GoTo(kMainMenuScreen);
    if (!BuildTerrainList()) return kFatal;
    if (seat == 0 || theGame.state.gameType != kHotSeat) terrainChoice = 0;
    // A later seat is shown the terrain the game was launched with, not the
    // first seat's "RANDOM" (or, by mail, this machine's own last choice).
    if (seat > 0) terrainChoice = LaunchedTerrainChoice(terrainChoice);
    if (terrainChoice >= static_cast<int>(TerrainList.size())) terrainChoice = 0;
    if (seat == 0) {
        ShowFirstSeatButtons(theGame);
    } else {
        ShowLaterSeatButtons(theGame, seat);
    }
    RefreshSetupLabels(theGame, TerrainList[terrainChoice]);
    if (const int result = RunSetupFrames(seat); result != kConfirmed) return result;
    if (seat == 0) LaunchGame();
    theGame.state.players[seat].setupDone = 1;
    if (SaveSettingsOrTell() == kFatal) return kFatal;
    return GoTo(kEndTurnScreen);
}
