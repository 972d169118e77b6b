// The set-up screen's buttons: the game's options, the seats, the names,
// the terrain, the factions and colours, and the launch checks.
#include <string>

#include "platform/input.h"
#include "save/saved_game.h"
#include "screens/commands.h"
#include "screens/game_option_lines.h"
#include "shell/screen_loop.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/display.h"
#include "ui/images.h"
#include "ui/popup.h"

namespace {

GameState& Options() { return theGame.state; }
Player& Seat(int seat) { return theGame.state.players[seat]; }

// One step of a cycling button: +1 for a left click, -1 for a right one,
// nothing for any other button.
int ClickStep() {
    if (input.clickButton == 1) return 1;
    if (input.clickButton == 2) return -1;
    return 0;
}

// value + step, wrapping within first..last.
int Cycle(int value, int step, int first, int last) {
    value += step;
    if (value > last) return first;
    if (value < first) return last;
    return value;
}

int AskPopup(const std::string& prompt, const std::string& text, const std::string& hint, int inputShown,
             int maxLength) {
    popupBox.prompt = prompt;
    popupBox.text = text;
    popupBox.hint = hint;
    popupBox.inputShown = static_cast<uint8_t>(inputShown);
    if (inputShown) popupBox.maxLength = maxLength;
    return popupBox.RunPopup();
}

int CycleMapSize() {
    int& size = theGame.map.mapSize;
    const int step = ClickStep();
    if (step > 0) size = size + 9 > 63 ? 27 : size + 9;
    if (step < 0) size = size - 9 < 27 ? 63 : size - 9;
    if (const char* name = MapSizeName(size)) buttonTable[kMapSizeButton].label = name;
    return kStay;
}

// Victory by score or by turn: only an OK sets it.
int AskVictoryTarget(bool byScore) {
    const int answer = byScore ? AskPopup("ENTER VICTORY SCORE", "20000", "(5000 TO 50000)", 1, 5)
                               : AskPopup("ENTER VICTORY TURN", "25", "(10 TO 100)", 1, 3);
    if (answer != kConfirmed) return kStay;
    const int value = byScore ? ClampedNumber(popupBox.text, 5000, 50000) : ClampedNumber(popupBox.text, 10, 100);
    if (byScore) {
        Options().victoryScore = value;
        Options().victoryType = kScoreVictory;
        buttonTable[kVictoryButton].label = "SCORE : " + std::to_string(value);
    } else {
        Options().victoryTurn = value;
        Options().victoryType = kTurnVictory;
        buttonTable[kVictoryButton].label = "TURN : " + std::to_string(value);
    }
    return kStay;
}

// The game name or a seat's name: an empty answer keeps the old name.
int AskName(int id) {
    const bool gameName = id == kGameNameButton;
    std::string& name = gameName ? Options().gameName : Seat(id - kSeatNameButton).name;
    const int answer = AskPopup(gameName ? "ENTER GAME NAME" : "ENTER YOUR NAME", "", "", 1, gameName ? 29 : 20);
    if (answer == kConfirmed && !popupBox.text.empty()) name = popupBox.text;
    buttonTable[id].label = name;
    return kStay;
}

int ToggleSeatOpen(int seat) {
    int& open = Seat(seat).seatOpen;
    open = open == 0 ? 1 : 0;
    buttonTable[kSeatOpenButton + seat].label = open ? "OPEN" : "CLOSED";
    return kStay;
}

int ToggleHuman(int seat) {
    int& human = Seat(seat).isHuman;
    human = human == 0 ? 1 : 0;
    buttonTable[kSeatKindButton + seat].label = human ? "HUMAN" : "COMPUTER";
    return kStay;
}

int TogglePasswords() {
    int& use = Options().usePasswords;
    use = use == 0 ? 1 : 0;
    buttonTable[kPasswordsButton].label = use ? "PASSWORD ENABLED" : "PASSWORD DISABLED";
    return kStay;
}

int CycleTerrain() {
    const int last = static_cast<int>(TerrainList.size()) - 1;
    if (terrainChoice > last) terrainChoice = 0;
    terrainChoice = Cycle(terrainChoice, ClickStep(), 0, last);
    if (terrainChoice == 0) return kStay;
    const std::string file = "Terrain\\" + TerrainList[terrainChoice];
    return display.LoadBitmapFile(display.offscreenSurfaces[kTerrainSlot], file) ? kStay : kFatal;
}

int CycleComputerLevel() {
    Options().computerLevel = Cycle(Options().computerLevel, ClickStep(), kEasy, kHard);
    return kStay;
}

int CycleFaction(int seat) {
    int& faction = Seat(seat).faction;
    faction = Cycle(faction, ClickStep(), 0, 3);
    if (faction >= 0 && faction <= 3) buttonTable[kFactionButton + seat].label = kFactionNames[faction];
    return kStay;
}

bool ColourTakenBefore(int seat, int colour) {
    for (int q = 0; q < seat; ++q) {
        if (Seat(q).colour == colour) return true;
    }
    return false;
}

// The player being set up steps to the next colour nobody before it holds;
// every later seat then takes the next colour still free after the seat
// before it, so the four colours stay different.
int ChooseColour() {
    const int p = Options().currentPlayer;
    const int step = ClickStep();
    if (p < 0 || p > 2 || step == 0) return kStay;
    do {
        Seat(p).colour = Cycle(Seat(p).colour, step, 0, 3);
    } while (ColourTakenBefore(p, Seat(p).colour));
    for (int q = p + 1; q < kSeats; ++q) {
        int colour = Cycle(Seat(q - 1).colour, 1, 0, 3);
        while (ColourTakenBefore(q, colour)) colour = Cycle(colour, 1, 0, 3);
        Seat(q).colour = colour;
    }
    return kStay;
}

// The first seat may overwrite a game of the same name only when it says so;
// with passwords on, every seat then gives a password that is not empty.
int LaunchChecks() {
    if (Options().currentPlayer == 0) {
        MakeSaveFileName(theGame);
        if (FileExists(SaveGamePath(theGame))) {
            const int answer = AskPopup("OVERWRITE OLD GAME?", "", "", 0, 0);
            if (answer == kFatal) return kFatal;
            if (answer != kConfirmed) return kStay;
        }
    }
    if (Options().usePasswords == 0) return kConfirmed;
    while (true) {
        const int answer = AskPopup("ENTER A PASSWORD TO USE", "", "", 1, 20);
        if (answer == kFatal) return kFatal;
        if (answer != kConfirmed) return kStay;
        if (popupBox.text.empty()) continue;
        Seat(Options().currentPlayer).password = popupBox.text;
        return kConfirmed;
    }
}

}  // namespace

int ApplySetupCommand(int id) {
    switch (id) {
        case kMapSizeButton: return CycleMapSize();
        case kConquerButton:
            Options().victoryType = kConquer;
            buttonTable[kVictoryButton].label = "CONQUER";
            return kStay;
        case kScoreVictoryButton: return AskVictoryTarget(true);
        case kTurnVictoryButton: return AskVictoryTarget(false);
        case kSetupCancelButton: return kCancelled;
        case kSetupLaunchButton: return LaunchChecks();
        case kGameNameButton: return AskName(id);
        case kSeatOpenButton: case kSeatOpenButton + 1: case kSeatOpenButton + 2: case kSeatOpenButton + 3:
            return ToggleSeatOpen(id - kSeatOpenButton);
        case kSeatNameButton: case kSeatNameButton + 1: case kSeatNameButton + 2: case kSeatNameButton + 3:
            return AskName(id);
        case kSeatKindButton + 1: case kSeatKindButton + 2: case kSeatKindButton + 3:
            return ToggleHuman(id - kSeatKindButton);
        case kPasswordsButton: return TogglePasswords();
        case kTerrainButton: return CycleTerrain();
        case kComputerLevelButton: return CycleComputerLevel();
        case kFactionButton: case kFactionButton + 1: case kFactionButton + 2: case kFactionButton + 3:
            return CycleFaction(id - kFactionButton);
        case kColourButton: case kColourButton + 1: case kColourButton + 2: return ChooseColour();
        // The first seat's kind (always human), the game type, the victory
        // text and the last seat's colour are texts.
        default: return kStay;
    }
}
