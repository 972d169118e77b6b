#pragma once
// What must hold of a game at every moment between two actions. A broken
// invariant is a bug in the rules, never a player's mistake, so debug and test
// builds check after every action, and the soak runs check after every turn.
#include <string>
#include <vector>

#include "game/state.h"

// Every broken invariant, one line each; empty when all hold.
std::vector<std::string> CheckInvariants(const Game& game);

// The same on the records a saved game holds, with the unit cap of its map
// (0: not checked). A saved game breaking any of them is damaged, since play
// never produces it; every value is range-checked before it is used as an
// index, so any bytes may be checked.
std::vector<std::string> CheckRecords(const GameState& state, int mapSize, int unitCap);

// In debug and sanitizer builds, a guard placed at the start of an action
// stops the program when the action breaks an invariant that held before it,
// printing what broke. Tests may set up states no game reaches (a crowded
// table, say); only what the action itself breaks counts. Elsewhere free.
class InvariantGuard {
public:
#ifdef KV_CHECK_INVARIANTS
    InvariantGuard(const Game& game, const char* action);
    ~InvariantGuard();

private:
    const Game& game_;
    const char* action_;
    std::vector<std::string> before_;
#else
    InvariantGuard(const Game&, const char*) {}
#endif
    InvariantGuard(const InvariantGuard&) = delete;
    InvariantGuard& operator=(const InvariantGuard&) = delete;
};
