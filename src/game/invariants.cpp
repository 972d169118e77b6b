#include "game/invariants.h"

#include <array>

#include "game/economy.h"

namespace {

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

bool IsFlag(int value) { return value == 0 || value == 1; }

void CheckOptions(const GameState& s, int mapSize, std::vector<std::string>& broken) {
    if (!IsValidMapSize(mapSize)) broken.push_back("mapSize " + std::to_string(mapSize));
    if (!IsValidGameType(s.gameType)) broken.push_back("gameType " + std::to_string(s.gameType));
    if (!InRange(s.victoryType, kConquer, kTurnVictory)) broken.push_back("victoryType out of range");
    if (!InRange(s.computerLevel, kEasy, kHard)) broken.push_back("computerLevel out of range");
    if (!InRange(s.currentPlayer, 0, kSeats - 1)) broken.push_back("currentPlayer out of range");
    if (!IsFlag(s.usePasswords)) broken.push_back("usePasswords is not 0 or 1");
}

// Every level starts at one step and rises a step at a time to the ceiling.
bool IsReachablePowerLevel(int level) {
    return InRange(level, kPowerStep, kMaxPowerLevel) && level % kPowerStep == 0;
}

void CheckPlayers(const GameState& s, std::vector<std::string>& broken) {
    std::array<bool, kSeats> colourTaken{};
    for (int seat = 0; seat < kSeats; ++seat) {
        const Player& p = s.players[seat];
        const std::string who = "player " + std::to_string(seat) + ": ";
        if (!InRange(p.lifeState, kDead, kAlive)) broken.push_back(who + "lifeState out of range");
        if (!InRange(p.faction, 0, 3)) broken.push_back(who + "faction out of range");
        if (!InRange(p.destroyer, -1, 3)) broken.push_back(who + "destroyer out of range");
        if (p.energy < 0) broken.push_back(who + "energy below zero");
        if (!IsReachablePowerLevel(p.powerLevel)) broken.push_back(who + "power level " + std::to_string(p.powerLevel));
        for (int flag : {p.seatOpen, p.isHuman, p.setupDone, p.destroyedNotice[0], p.destroyedNotice[1],
                         p.destroyedNotice[2], p.destroyedNotice[3]})
            if (!IsFlag(flag)) broken.push_back(who + "a yes-or-no field holds " + std::to_string(flag));
        if (!InRange(p.colour, 0, 3)) {
            broken.push_back(who + "colour out of range");
        } else if (p.seatOpen) {
            if (colourTaken[p.colour]) broken.push_back(who + "colour shared with another seat");
            colourTaken[p.colour] = true;
        }
    }
}

void CheckUnits(const GameState& s, int mapSize, int unitCap, std::vector<std::string>& broken) {
    const int n = mapSize;
    std::array<std::array<int, kMaxMapSize>, kMaxMapSize> occupant;
    for (auto& column : occupant) column.fill(-1);
    std::array<int, kSeats> nonBase{};
    for (int slot = 0; slot < kMaxUnits; ++slot) {
        const Unit& u = s.units[slot];
        const std::string which = "unit " + std::to_string(slot) + ": ";
        if (!InRange(u.state, kFree, kActive)) broken.push_back(which + "state out of range");
        if (u.state != kActive) continue;
        if (!IsValidUnitType(u.type)) broken.push_back(which + "type " + std::to_string(u.type));
        if (!InRange(u.owner, 0, kSeats - 1)) {
            broken.push_back(which + "owner out of range");
            continue;
        }
        if (!InRange(u.x, 0, n - 1) || !InRange(u.y, 0, n - 1) || n > kMaxMapSize) {
            broken.push_back(which + "x " + std::to_string(u.x) + ", y " + std::to_string(u.y) + " outside the map");
            continue;
        }
        if (occupant[u.x][u.y] >= 0)
            broken.push_back(which + "shares its tile with unit " + std::to_string(occupant[u.x][u.y]));
        occupant[u.x][u.y] = slot;
        const Player& owner = s.players[u.owner];
        if (!owner.seatOpen || owner.lifeState == kDead) broken.push_back(which + "owned by a closed or dead seat");
        // A unit is made at full health, and power steps heal as they raise it.
        if (!InRange(u.health, 1, owner.powerLevel))
            broken.push_back(which + "health " + std::to_string(u.health) + " at power level " +
                             std::to_string(owner.powerLevel));
        if (u.type != kBase) ++nonBase[u.owner];
    }
    if (unitCap > 0)
        for (int seat = 0; seat < kSeats; ++seat)
            if (nonBase[seat] > unitCap)
                broken.push_back("player " + std::to_string(seat) + ": more units than the cap");
}

}  // namespace

std::vector<std::string> CheckRecords(const GameState& state, int mapSize, int unitCap) {
    std::vector<std::string> broken;
    CheckOptions(state, mapSize, broken);
    CheckPlayers(state, broken);
    CheckUnits(state, mapSize, unitCap, broken);
    return broken;
}

std::vector<std::string> CheckInvariants(const Game& game) {
    return CheckRecords(game.state, game.map.mapSize, game.unitCap);
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
