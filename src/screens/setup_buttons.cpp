#include "screens/setup_buttons.h"

#include "screens/game_option_lines.h"
#include "ui/button_table.h"

namespace {

constexpr int kFirstSetupButton = 4;
constexpr int kLastSetupButton = 35;
constexpr int kPasswordButton = 23;

void SetState(int id, int state) { buttonTable[id].state = state; }

void SetStates(std::initializer_list<int> ids, int state) {
    for (int id : ids) SetState(id, state);
}

int FactionState(const Player& seat) { return seat.isHuman ? kButtonHidden : kButtonActive; }

std::string MapSizeLabel(int mapSize, const std::string& old) {
    const char* name = MapSizeName(mapSize);
    return name ? std::string(name) + " (" + std::to_string(UnitCapForMapSize(mapSize)) + ")" : old;
}

std::string GameTypeLabel(int gameType, const std::string& old) {
    const char* name = GameTypeName(gameType);
    return name ? name : old;
}

std::string LevelLabel(int level, const std::string& old) {
    switch (level) {
        case kEasy: return "EASY";
        case kFair: return "FAIR";
        case kHard: return "HARD";
        default: return old;
    }
}

std::string VictoryLabel(const GameState& s, const std::string& old) {
    switch (s.victoryType) {
        case kConquer: return "CONQUER";
        case kScoreVictory: return "SCORE : " + std::to_string(s.victoryScore);
        case kTurnVictory: return "TURN : " + std::to_string(s.victoryTurn);
        default: return old;
    }
}

void SetLabel(int id, const std::string& label) { buttonTable[id].label = label; }

}  // namespace

void ResetSetupButtons(int gameType) {
    for (int id = kFirstSetupButton; id <= kLastSetupButton; ++id) SetState(id, kButtonActive);
    SetStates({11, 12, 16, 17, 18, 19, 20, 24, 25, 33, 34, 35}, kButtonTextOnly);
    if (gameType == kSinglePlayer) SetStates({21, 22, kPasswordButton}, kButtonTextOnly);
    if (gameType == kPlayByMail) SetState(kPasswordButton, kButtonTextOnly);
}

void ShowFirstSeatButtons(Game& game) {
    auto& seats = game.state.players;
    const bool single = game.state.gameType == kSinglePlayer;
    if (seats[2].seatOpen) {
        SetState(14, kButtonActive);
        SetState(17, kButtonTextOnly);
        SetState(21, single ? kButtonTextOnly : kButtonActive);
        SetState(30, FactionState(seats[2]));
        if (seats[3].seatOpen) {
            SetState(18, kButtonTextOnly);
            SetState(22, single ? kButtonTextOnly : kButtonActive);
            SetState(31, FactionState(seats[3]));
            SetState(29, FactionState(seats[1]));
            return;
        }
    } else {
        SetState(14, kButtonTextOnly);
        seats[3].seatOpen = 0;
        SetStates({21, 17, 30}, kButtonHidden);
    }
    SetStates({22, 18, 31}, kButtonHidden);
    SetState(29, FactionState(seats[1]));
}

void ShowLaterSeatButtons(const Game& game, int seat) {
    const auto& seats = game.state.players;
    for (int id = kFirstSetupButton; id <= kLastSetupButton; ++id) SetState(id, kButtonTextOnly);
    SetStates({5, 6, 7}, kButtonHidden);
    for (int k = 0; k < kSeats; ++k) {
        if (seats[k].isHuman) SetState(28 + k, kButtonHidden);
    }
    SetStates({15 + seat, 28 + seat, 9, 8}, kButtonActive);
    SetState(26, kButtonTextOnly);
    if (!seats[2].seatOpen) SetStates({21, 17, 30}, kButtonHidden);
    if (!seats[3].seatOpen) SetStates({22, 18, 31}, kButtonHidden);
    SetStates({32, 33, 34, 35}, kButtonTextOnly);
    if (seat == 1) SetState(33, kButtonActive);
    if (seat == 2) SetState(34, kButtonActive);
}

void RefreshSetupLabels(const Game& game, const std::string& terrainLabel) {
    const GameState& s = game.state;
    SetLabel(26, terrainLabel);
    SetLabel(10, s.gameName);
    SetLabel(24, GameTypeLabel(s.gameType, buttonTable[24].label));
    SetLabel(27, LevelLabel(s.computerLevel, buttonTable[27].label));
    SetLabel(4, MapSizeLabel(game.map.mapSize, buttonTable[4].label));
    SetLabel(25, VictoryLabel(s, buttonTable[25].label));
    SetLabel(kPasswordButton, s.usePasswords == 1 ? "PASSWORD ENABLED" : "PASSWORD DISABLED");
    for (int k = 0; k < kSeats; ++k) {
        const Player& seat = s.players[k];
        SetLabel(15 + k, seat.name);
        if (seat.faction >= 0 && seat.faction < 4) SetLabel(28 + k, kFactionNames[seat.faction]);
        SetLabel(11 + k, seat.seatOpen ? "OPEN" : "CLOSED");
        SetLabel(19 + k, seat.isHuman ? "HUMAN" : "COMPUTER");
    }
}
