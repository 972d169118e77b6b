#include "saved_games.h"

#include <gtest/gtest.h>

#include "save/saved_game.h"
#include "world/starting_units.h"

Game MakePlayedGame(int gameType, const std::vector<SeatPlan>& seats, int mapSeed) {
    Game game;
    game.hooks.tickCount = [] { return 4242u; };
    game.state.gameType = gameType;
    ResetGameState(game);
    game.state.gameName = "TEST";
    game.state.startDate = "SUNDAY, DECEMBER 6, 2026, 21:00:00";
    game.state.terrainName = "TEMPERATE.BMP";
    game.state.usePasswords = 0;
    for (int k = 0; k < kSeats; ++k) {
        Player& p = game.state.players[k];
        p.seatOpen = k < static_cast<int>(seats.size()) ? 1 : 0;
        if (!p.seatOpen) continue;
        p.isHuman = seats[k].human ? 1 : 0;
        p.name = seats[k].name;
        if (!seats[k].password.empty()) {
            p.password = seats[k].password;
            game.state.usePasswords = 1;
        }
        p.setupDone = 1;
        p.lifeState = kAlive;
    }
    game.state.turn = 1;
    game.state.currentPlayer = 0;
    game.map.mapSeed = mapSeed;
    game.maxScrollX = game.map.mapSize - 13;
    game.maxScrollY = game.map.mapSize - 12;
    PlaceStartingUnits(game);
    return game;
}

void WriteSavedGame(Game& game, const std::string& fileName) {
    game.saveFileName = fileName;
    ASSERT_TRUE(SaveGameToFile(game)) << fileName;
}
