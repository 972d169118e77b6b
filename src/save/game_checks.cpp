#include "save/game_checks.h"

namespace {

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

bool Refuse(std::string& problem, const std::string& what, int value) {
    problem = what + " " + std::to_string(value) + " is out of range";
    return false;
}

bool CheckOptions(const GameState& s, int mapSize, std::string& problem) {
    if (!IsValidMapSize(mapSize)) return Refuse(problem, "mapSize", mapSize);
    if (!IsValidGameType(s.gameType)) return Refuse(problem, "gameType", s.gameType);
    if (!InRange(s.victoryType, kConquer, kTurnVictory)) return Refuse(problem, "victoryType", s.victoryType);
    if (!InRange(s.computerLevel, kEasy, kHard)) return Refuse(problem, "computerLevel", s.computerLevel);
    if (!InRange(s.currentPlayer, 0, kSeats - 1)) return Refuse(problem, "currentPlayer", s.currentPlayer);
    return true;
}

bool CheckPlayer(const Player& p, int seat, std::string& problem) {
    const std::string who = "player " + std::to_string(seat + 1) + " ";
    if (!InRange(p.faction, 0, 3)) return Refuse(problem, who + "faction", p.faction);
    if (!InRange(p.colour, 0, 3)) return Refuse(problem, who + "colour", p.colour);
    if (!InRange(p.destroyer, -1, 3)) return Refuse(problem, who + "destroyer", p.destroyer);
    if (!InRange(p.lifeState, kDead, kAlive)) return Refuse(problem, who + "lifeState", p.lifeState);
    return true;
}

bool CheckUnit(const Unit& u, int slot, int mapSize, std::string& problem) {
    const std::string which = "unit " + std::to_string(slot) + " ";
    if (!IsValidUnitType(u.type)) return Refuse(problem, which + "type", u.type);
    if (!InRange(u.owner, 0, kSeats - 1)) return Refuse(problem, which + "owner", u.owner);
    if (!InRange(u.x, 0, mapSize - 1)) return Refuse(problem, which + "x", u.x);
    if (!InRange(u.y, 0, mapSize - 1)) return Refuse(problem, which + "y", u.y);
    return true;
}

}  // namespace

bool CheckLoadedGame(const GameState& state, int mapSize, std::string& problem) {
    if (!CheckOptions(state, mapSize, problem)) return false;
    for (int seat = 0; seat < kSeats; ++seat)
        if (!CheckPlayer(state.players[seat], seat, problem)) return false;
    for (int slot = 0; slot < kMaxUnits; ++slot) {
        const Unit& u = state.units[slot];
        if (u.state == kActive && !CheckUnit(u, slot, mapSize, problem)) return false;
    }
    return true;
}
