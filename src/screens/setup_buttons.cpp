#include "screens/setup_buttons.h"

#include "screens/game_option_lines.h"
#include "ui/button_ids.h"
#include "ui/button_table.h"

namespace {

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
    SetStates({kSeatOpenButton, kSeatOpenButton + 1, kSeatNameButton + 1, kSeatNameButton + 2,
               kSeatNameButton + 3, kSeatKindButton, kSeatKindButton + 1, kGameTypeButton, kVictoryButton,
               kColourButton + 1, kColourButton + 2, kColourButton + 3},
              kButtonTextOnly);
    if (gameType == kSinglePlayer) SetStates({kSeatKindButton + 2, kSeatKindButton + 3, kPasswordsButton}, kButtonTextOnly);
    if (gameType == kPlayByMail) SetState(kPasswordsButton, kButtonTextOnly);
}

void ShowFirstSeatButtons(Game& game) {
    auto& seats = game.state.players;
    const bool single = game.state.gameType == kSinglePlayer;
    if (seats[2].seatOpen) {
        SetState(kSeatOpenButton + 3, kButtonActive);
        SetState(kSeatNameButton + 2, kButtonTextOnly);
        SetState(kSeatKindButton + 2, single ? kButtonTextOnly : kButtonActive);
        SetState(kFactionButton + 2, FactionState(seats[2]));
        if (seats[3].seatOpen) {
            SetState(kSeatNameButton + 3, kButtonTextOnly);
            SetState(kSeatKindButton + 3, single ? kButtonTextOnly : kButtonActive);
            SetState(kFactionButton + 3, FactionState(seats[3]));
            SetState(kFactionButton + 1, FactionState(seats[1]));
            return;
        }
    } else {
        SetState(kSeatOpenButton + 3, kButtonTextOnly);
        seats[3].seatOpen = 0;
        SetStates({kSeatKindButton + 2, kSeatNameButton + 2, kFactionButton + 2}, kButtonHidden);
    }
    SetStates({kSeatKindButton + 3, kSeatNameButton + 3, kFactionButton + 3}, kButtonHidden);
    SetState(kFactionButton + 1, FactionState(seats[1]));
}

void ShowLaterSeatButtons(const Game& game, int seat) {
    const auto& seats = game.state.players;
    for (int id = kFirstSetupButton; id <= kLastSetupButton; ++id) SetState(id, kButtonTextOnly);
    SetStates({kConquerButton, kScoreVictoryButton, kTurnVictoryButton}, kButtonHidden);
    for (int k = 0; k < kSeats; ++k) {
        if (seats[k].isHuman) SetState(kFactionButton + k, kButtonHidden);
    }
    SetStates({kSeatNameButton + seat, kFactionButton + seat, kSetupLaunchButton, kSetupCancelButton}, kButtonActive);
    SetState(kTerrainButton, kButtonTextOnly);
    if (!seats[2].seatOpen) SetStates({kSeatKindButton + 2, kSeatNameButton + 2, kFactionButton + 2}, kButtonHidden);
    if (!seats[3].seatOpen) SetStates({kSeatKindButton + 3, kSeatNameButton + 3, kFactionButton + 3}, kButtonHidden);
    SetStates({kColourButton, kColourButton + 1, kColourButton + 2, kColourButton + 3}, kButtonTextOnly);
    if (seat == 1) SetState(kColourButton + 1, kButtonActive);
    if (seat == 2) SetState(kColourButton + 2, kButtonActive);
}

void RefreshSetupLabels(const Game& game, const std::string& terrainLabel) {
    const GameState& s = game.state;
    SetLabel(kTerrainButton, terrainLabel);
    SetLabel(kGameNameButton, s.gameName);
    SetLabel(kGameTypeButton, GameTypeLabel(s.gameType, buttonTable[kGameTypeButton].label));
    SetLabel(kComputerLevelButton, LevelLabel(s.computerLevel, buttonTable[kComputerLevelButton].label));
    SetLabel(kMapSizeButton, MapSizeLabel(game.map.mapSize, buttonTable[kMapSizeButton].label));
    SetLabel(kVictoryButton, VictoryLabel(s, buttonTable[kVictoryButton].label));
    SetLabel(kPasswordsButton, s.usePasswords == 1 ? "PASSWORD ENABLED" : "PASSWORD DISABLED");
    for (int k = 0; k < kSeats; ++k) {
        const Player& seat = s.players[k];
        SetLabel(kSeatNameButton + k, seat.name);
        if (seat.faction >= 0 && seat.faction < 4) SetLabel(kFactionButton + k, kFactionNames[seat.faction]);
        SetLabel(kSeatOpenButton + k, seat.seatOpen ? "OPEN" : "CLOSED");
        SetLabel(kSeatKindButton + k, seat.isHuman ? "HUMAN" : "COMPUTER");
    }
}
