#pragma once
// What must hold of a game at every moment between two actions. A broken
// invariant is a bug in the rules, never a player's mistake, so debug and test
// builds check after every action, and the soak runs check after every turn.
#include <string>
#include <vector>

#include "game/state.h"

// Every broken invariant, one line each; empty when all hold.
std::vector<std::string> CheckInvariants(const Game& game);
