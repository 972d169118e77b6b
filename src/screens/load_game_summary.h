#pragma once
// The summary of the game in memory that the load game screen shows beside
// its list: ten lines of options and progress, the table of the four seats
// and, for a finished game, the winner.
#include <string>
#include <vector>

#include "game/state.h"

struct SummaryText {
    int x = 0;
    int y = 0;
    std::string text;
    int size = 0;  // kSmallFont or kLargeFont
};

// What the summary draws, where; also sets game.unitCap from the map size.
std::vector<SummaryText> GameSummaryLines(Game& game);

// Draws the summary of theGame into the back buffer.
void GameSummary();
