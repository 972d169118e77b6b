#pragma once
// Saved games made the way the game makes them, for tests to start from.
#include <string>
#include <utility>
#include <vector>

#include "game/state.h"

struct SeatPlan {
    SeatPlan(bool isHuman, std::string seatName, std::string seatPassword = "")
        : human(isHuman), name(std::move(seatName)), password(std::move(seatPassword)) {}
    bool human = true;
    std::string name;
    std::string password;  // empty: the placeholder ResetGameState gives
};

// A game of the given type past its set-up: the seats as planned (the others
// closed), every open seat ALIVE and set up, the world made with `mapSeed`
// and the starting units placed, seat 0 in turn on turn 1.
Game MakePlayedGame(int gameType, const std::vector<SeatPlan>& seats, int mapSeed = 1234);

// Writes the game as "Saved Games\<fileName>" in the working folder.
void WriteSavedGame(Game& game, const std::string& fileName);
