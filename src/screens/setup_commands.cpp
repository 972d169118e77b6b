// The set-up screen's buttons (ids 4 to 35): the game's options, the seats,
// the names, the terrain, the factions and colours, and the launch checks.
#include <string>

#include "save/saved_game.h"
#include "screens/commands.h"
#include "screens/game_option_lines.h"
#include "shell/input.h"
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
    if (const char* name = MapSizeName(size)) buttonTable[4].label = name;
    return kStay;
}

// Victory by score (id 6) or by turn (id 7): only an OK sets it.
int AskVictoryTarget(bool byScore) {
    const int answer = byScore ? AskPopup("ENTER VICTORY SCORE", "20000", "(5000 TO 50000)", 1, 5)
                               : AskPopup("ENTER VICTORY TURN", "25", "(10 TO 100)", 1, 3);
    if (answer != kConfirmed) return kStay;
    const int value = byScore ? ClampedNumber(popupBox.text, 5000, 50000) : ClampedNumber(popupBox.text, 10, 100);
    if (byScore) {
        Options().victoryScore = value;
        Options().victoryType = kScoreVictory;
        buttonTable[25].label = "SCORE : " + std::to_string(value);
    } else {
        Options().victoryTurn = value;
        Options().victoryType = kTurnVictory;
        buttonTable[25].label = "TURN : " + std::to_string(value);
    }
    return kStay;
}

// The game name (id 10) or a seat's name (ids 15 to 18): an empty answer
// keeps the old name.
int AskName(int id) {
    const bool gameName = id == 10;
    std::string& name = gameName ? Options().gameName : Seat(id - 15).name;
    const int answer = AskPopup(gameName ? "ENTER GAME NAME" : "ENTER YOUR NAME", "", "", 1, gameName ? 29 : 20);
    if (answer == kConfirmed && !popupBox.text.empty()) name = popupBox.text;
    buttonTable[id].label = name;
    return kStay;
}

int ToggleSeatOpen(int seat) {
    int& open = Seat(seat).seatOpen;
    open = open == 0 ? 1 : 0;
    buttonTable[11 + seat].label = open ? "OPEN" : "CLOSED";
    return kStay;
}

int ToggleHuman(int seat) {
    int& human = Seat(seat).isHuman;
    human = human == 0 ? 1 : 0;
    buttonTable[19 + seat].label = human ? "HUMAN" : "COMPUTER";
    return kStay;
}

int TogglePasswords() {
    int& use = Options().usePasswords;
    use = use == 0 ? 1 : 0;
    buttonTable[23].label = use ? "PASSWORD ENABLED" : "PASSWORD DISABLED";
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
    if (faction >= 0 && faction <= 3) buttonTable[28 + seat].label = kFactionNames[faction];
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
        if (FileExists("Saved Games\\" + theGame.saveFileName)) {
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
        case 4: return CycleMapSize();
        case 5:
            Options().victoryType = kConquer;
            buttonTable[25].label = "CONQUER";
            return kStay;
        case 6: return AskVictoryTarget(true);
        case 7: return AskVictoryTarget(false);
        case 8: return kCancelled;
        case 9: return LaunchChecks();
        case 10: return AskName(id);
        case 11: case 12: case 13: case 14: return ToggleSeatOpen(id - 11);
        case 15: case 16: case 17: case 18: return AskName(id);
        case 20: case 21: case 22: return ToggleHuman(id - 19);
        case 23: return TogglePasswords();
        case 26: return CycleTerrain();
        case 27: return CycleComputerLevel();
        case 28: case 29: case 30: case 31: return CycleFaction(id - 28);
        case 32: case 33: case 34: return ChooseColour();
        default: return kStay;  // 19 (the first seat is always human), 24, 25, 35: texts
    }
}
