#include "save/game_checks.h"

#include "game/invariants.h"

bool CheckLoadedGame(const GameState& state, int mapSize, std::string& problem) {
    const std::vector<std::string> broken = CheckRecords(state, mapSize, UnitCapForMapSize(mapSize));
    if (broken.empty()) return true;
    problem = broken.front();
    return false;
}
