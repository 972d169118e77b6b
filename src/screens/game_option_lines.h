#pragma once
// The lines that describe a game's options, shared by the load screen's
// summary and the details page, which show them alike.
#include <string>
#include <vector>

#include "game/state.h"

// GAME NAME, START DATE, GAME TYPE, VICTORY TYPE, MAPSIZE, POP CAP, COMPUTER
// and TERRAIN NAME, in that order; POP CAP shows game.unitCap.
std::vector<std::string> GameOptionLines(const Game& game);

// "TINY" .. "HUGE" for a map size; nullptr for any other number.
const char* MapSizeName(int mapSize);
// "SINGLE PLAYER", "HOTSEAT" or "PLAY BY EMAIL"; nullptr for any other number.
const char* GameTypeName(int gameType);

// "ALIVE", "DYING" or "DEAD" for a seat's life state.
const char* LifeStateName(int lifeState);
