#pragma once
// Small hand-made boards for the computer player's tests: open land
// everywhere unless a test says otherwise, four open seats, seat 1 a
// computer seat whose turn it is.
#include "game/state.h"
#include "game/unit_types.h"
#include "support/game_builder.h"

inline Game MakeBoard(int mapSize = 27) {
    Game game = MakeTestGame(kSinglePlayer, mapSize, 0);
    game.map.mapSeed = 1;
    OpenSeat(game, 2, false), OpenSeat(game, 3, false);
    for (Player& p : game.state.players) p.energy = 0;
    game.state.currentPlayer = 1, game.rng.Seed(99);
    return game;
}

inline void SetTerrain(Game& game, int x, int y, int terrain) { game.map.tiles[x][y].terrain = terrain; }

// A unit that has already used its move this turn.
inline int PutMoved(Game& game, int x, int y, int owner, int type) {
    const int slot = CreateUnit(game, x, y, owner, type);
    game.state.units[slot].canMove = 0;
    return slot;
}
