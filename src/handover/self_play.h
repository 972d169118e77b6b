#pragma once
// Whole games of one idle human seat against three computer seats, played
// through the turn cycle and its saved-game file without any screen: the tool
// for balancing the factions and for soak tests.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "game/state.h"

struct SelfPlayOptions {
    int mapSize = 45;
    int computerLevel = 2;
    uint32_t seed = 1;      // decides the world, the corners and every draw
    int turns = 100;        // the game stops after this many playing turns
    std::string path;       // where to leave the saved game at the end; empty: nowhere
    int factionShift = 0;   // seat i plays faction (i + shift) mod 4
    // Called with the game after every seat step, for soak tests.
    std::function<void(const Game&)> afterEachStep;
};

struct SelfPlayResult {
    int turnsPlayed = 0;     // playing turns completed (turn 0 is the set-up cycle)
    bool gameOver = false;   // ended by the game's own rules, not the turn limit
    int winner = 0;          // seat
    int winnerFaction = 0;
    std::array<int, 4> scores{};
    std::array<int, 4> factions{};
    int seatTurns = 0;       // seat steps played, passed-over seats included
};

// Plays one game; false (with the reason) when its file cannot be used.
bool PlaySelfPlayGame(const SelfPlayOptions& options, SelfPlayResult& result, std::string& problem);
