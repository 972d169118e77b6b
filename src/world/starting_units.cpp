#include "world/starting_units.h"

#include <array>

void PlaceStartingUnits(Game& game) {
    const int n = game.map.mapSize;
    SetScrollLimits(game);
    std::array<int, 4> seatAtCorner{-1, -1, -1, -1};
    for (int seat = 0; seat < kSeats; ++seat) {
        int corner;
        do corner = game.rng.Below(4);
        while (seatAtCorner[corner] != -1);
        seatAtCorner[corner] = seat;
    }
    const int cornerX[4] = {2, n - 3, 2, n - 3};
    const int cornerY[4] = {2, 2, n - 3, n - 3};
    for (int corner = 0; corner < 4; ++corner) {
        const int seat = seatAtCorner[corner];
        Player& player = game.state.players[seat];
        if (!player.seatOpen) continue;
        const int x = cornerX[corner], y = cornerY[corner];
        CreateUnit(game, x, y, seat, kBase);
        CreateUnit(game, x, y - 2, seat, kStandard);
        CreateUnit(game, x, y + 2, seat, kStandard);
        CreateUnit(game, x - 2, y, seat, kStandard);
        CreateUnit(game, x + 2, y, seat, kStandard);
        player.viewX = ScrollToward(x, game.maxScrollX);
        player.viewY = ScrollToward(y, game.maxScrollY);
    }
}
