#pragma once
// Which unit the rules see on each tile: the lowest slot whose unit is active
// or still exploding, the same answer UnitAt gives by scanning the whole unit
// table, kept up to date as the computer player's units act.
#include <array>
#include <cstdint>

#include "game/state.h"

class TileOccupancy {
public:
    // Indexes every slot of the game from scratch.
    void Rebuild(const Game& game);
    // Brings the index up to date with every slot whose unit appeared, went or
    // moved since the index last looked (after an attack or a purchase).
    void Sync(const Game& game);
    // Slot `slot`, which the index knows, now stands on (x, y).
    void Move(int slot, int x, int y);

    // The lowest slot on the tile, or -1. The tile must lie on the map.
    int LowestAt(int x, int y) const { return lowest_[x][y]; }

private:
    struct Seen {
        bool onTile = false;
        int x = 0;
        int y = 0;
    };
    void Add(int slot, int x, int y);
    void Remove(int slot, int x, int y);

    std::array<std::array<int16_t, kMaxMapSize>, kMaxMapSize> lowest_{};
    std::array<std::array<uint8_t, kMaxMapSize>, kMaxMapSize> count_{};
    std::array<Seen, kMaxUnits> seen_{};
};
