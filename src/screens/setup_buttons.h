#pragma once
// Which set-up controls each seat may use, and what they read. The first
// seat chooses the whole game; a later human seat only its own name, faction
// and (seats 1 and 2) colour, and sees the rest as plain text.
#include <string>

#include "game/state.h"

// The set-up buttons as the first seat of a new game of the
// given type finds them.
void ResetSetupButtons(int gameType);
// Applied at the first seat's start and again after every click.
void ShowFirstSeatButtons(Game& game);
// Applied once at the start of a later seat's set-up turn.
void ShowLaterSeatButtons(const Game& game, int seat);
// Every label of the screen from the game; `terrainLabel` is the chosen
// terrain's entry of the terrain list.
void RefreshSetupLabels(const Game& game, const std::string& terrainLabel);
