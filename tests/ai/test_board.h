#pragma once
// Small hand-made boards for the computer player's tests: open land
// everywhere unless a test says otherwise, four open seats, seat 1 a
// computer seat whose turn it is.
#include "game/state.h"
#include "game/unit_types.h"

inline Game MakeBoard(int mapSize = 27) {
    Game game;
    game.hooks.tickCount = [] { return 0u; };
    game.state.gameType = kSinglePlayer;
    ResetGameState(game);
    game.map.mapSize = mapSize;
    game.map.mapSeed = 1;
    for (int x = 0; x < mapSize; ++x)
        for (int y = 0; y < mapSize; ++y) game.map.tiles[x][y].terrain = kLand;
    for (Player& p : game.state.players) {
        p.seatOpen = 1;
        p.lifeState = kAlive;
        p.energy = 0;
    }
    game.state.players[0].isHuman = 1;
    game.state.currentPlayer = 1;
    game.unitCap = UnitCapForMapSize(mapSize);
    game.rng.Seed(99);
    return game;
}

inline void SetTerrain(Game& game, int x, int y, int terrain) { game.map.tiles[x][y].terrain = terrain; }

// A unit that has already used its move this turn.
inline int PutMoved(Game& game, int x, int y, int owner, int type) {
    const int slot = CreateUnit(game, x, y, owner, type);
    game.state.units[slot].canMove = 0;
    return slot;
}
