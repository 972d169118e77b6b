#include "game/invariants.h"

#include <array>

namespace {

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

void CheckOptions(const Game& game, std::vector<std::string>& broken) {
    const GameState& s = game.state;
    if (!IsValidMapSize(game.map.mapSize)) broken.push_back("mapSize " + std::to_string(game.map.mapSize));
    if (!IsValidGameType(s.gameType)) broken.push_back("gameType " + std::to_string(s.gameType));
    if (!InRange(s.victoryType, kConquer, kTurnVictory)) broken.push_back("victoryType out of range");
    if (!InRange(s.computerLevel, kEasy, kHard)) broken.push_back("computerLevel out of range");
    if (!InRange(s.currentPlayer, 0, kSeats - 1)) broken.push_back("currentPlayer out of range");
}

void CheckPlayers(const Game& game, std::vector<std::string>& broken) {
    std::array<bool, kSeats> colourTaken{};
    for (int seat = 0; seat < kSeats; ++seat) {
        const Player& p = game.state.players[seat];
        const std::string who = "player " + std::to_string(seat) + ": ";
        if (!InRange(p.lifeState, kDead, kAlive)) broken.push_back(who + "lifeState out of range");
        if (!InRange(p.faction, 0, 3)) broken.push_back(who + "faction out of range");
        if (!InRange(p.destroyer, -1, 3)) broken.push_back(who + "destroyer out of range");
        if (p.energy < 0) broken.push_back(who + "energy below zero");
        if (!InRange(p.colour, 0, 3)) {
            broken.push_back(who + "colour out of range");
        } else if (p.seatOpen) {
            if (colourTaken[p.colour]) broken.push_back(who + "colour shared with another seat");
            colourTaken[p.colour] = true;
        }
    }
}

void CheckUnits(const Game& game, std::vector<std::string>& broken) {
    const int n = game.map.mapSize;
    std::array<std::array<int, kMaxMapSize>, kMaxMapSize> occupant;
    for (auto& column : occupant) column.fill(-1);
    std::array<int, kSeats> nonBase{};
    for (int slot = 0; slot < kMaxUnits; ++slot) {
        const Unit& u = game.state.units[slot];
        const std::string which = "unit " + std::to_string(slot) + ": ";
        if (!InRange(u.state, kFree, kActive)) broken.push_back(which + "state out of range");
        if (u.state != kActive) continue;
        if (!IsValidUnitType(u.type)) broken.push_back(which + "type " + std::to_string(u.type));
        if (!InRange(u.owner, 0, kSeats - 1)) {
            broken.push_back(which + "owner out of range");
            continue;
        }
        if (!InRange(u.x, 0, n - 1) || !InRange(u.y, 0, n - 1) || n > kMaxMapSize) {
            broken.push_back(which + "outside the map");
            continue;
        }
        if (occupant[u.x][u.y] >= 0)
            broken.push_back(which + "shares its tile with unit " + std::to_string(occupant[u.x][u.y]));
        occupant[u.x][u.y] = slot;
        const Player& owner = game.state.players[u.owner];
        if (!owner.seatOpen || owner.lifeState == kDead) broken.push_back(which + "owned by a closed or dead seat");
        if (u.type != kBase) ++nonBase[u.owner];
    }
    if (game.unitCap > 0)
        for (int seat = 0; seat < kSeats; ++seat)
            if (nonBase[seat] > game.unitCap)
                broken.push_back("player " + std::to_string(seat) + ": more units than the cap");
}

}  // namespace

std::vector<std::string> CheckInvariants(const Game& game) {
    std::vector<std::string> broken;
    CheckOptions(game, broken);
    CheckPlayers(game, broken);
    CheckUnits(game, broken);
    return broken;
}

#ifdef KV_CHECK_INVARIANTS
#include <algorithm>
#include <cstdio>
#include <cstdlib>

InvariantGuard::InvariantGuard(const Game& game, const char* action)
    : game_(game), action_(action), before_(CheckInvariants(game)) {}

InvariantGuard::~InvariantGuard() {
    bool reported = false;
    for (const std::string& line : CheckInvariants(game_)) {
        if (std::find(before_.begin(), before_.end(), line) != before_.end()) continue;
        if (!reported) std::fprintf(stderr, "game invariants broken by %s:\n", action_);
        std::fprintf(stderr, "  %s\n", line.c_str());
        reported = true;
    }
    if (reported) std::abort();
}
#endif
