#pragma once
// The one way the rules' tests make a game: a game of the given type as
// ResetGameState leaves it, on a map of plain land of the given size, with a
// fixed clock; the seats ResetGameState opens are alive and set up, and
// OpenSeat opens more. No units.
#include <cstdint>

#include "game/state.h"

inline void OpenSeat(Game& game, int seat, bool human) {
    Player& p = game.state.players[seat];
    p.seatOpen = 1;
    p.isHuman = human ? 1 : 0;
    p.lifeState = kAlive;
    p.setupDone = 1;
}

inline Game MakeTestGame(int gameType, int mapSize = 27, uint32_t clock = 777) {
    Game game;
    game.hooks.tickCount = [clock] { return clock; };
    game.state.gameType = gameType;
    ResetGameState(game);
    game.map.mapSize = mapSize;
    game.maxScrollX = mapSize - 13;
    game.maxScrollY = mapSize - 12;
    for (auto& column : game.map.tiles)
        for (Tile& tile : column) tile.terrain = kLand;
    for (int seat = 0; seat < kSeats; ++seat)
        if (game.state.players[seat].seatOpen) OpenSeat(game, seat, game.state.players[seat].isHuman != 0);
    game.unitCap = UnitCapForMapSize(mapSize);
    return game;
}
