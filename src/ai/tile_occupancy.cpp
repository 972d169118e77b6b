#include "ai/tile_occupancy.h"

#include "game/unit_types.h"

namespace {

// Units that stand off the map (only a damaged game could hold them) are on
// no tile: no rule looks for units there.
bool Occupies(const Game& game, const Unit& u) {
    return u.state != kFree && OnMap(game, u.x, u.y);
}

}  // namespace

void TileOccupancy::Rebuild(const Game& game) {
    for (auto& column : lowest_) column.fill(-1);
    for (auto& column : count_) column.fill(0);
    for (int slot = kMaxUnits - 1; slot >= 0; --slot) {
        const Unit& u = game.state.units[slot];
        seen_[slot] = {Occupies(game, u), u.x, u.y};
        if (!seen_[slot].onTile) continue;
        lowest_[u.x][u.y] = static_cast<int16_t>(slot);
        ++count_[u.x][u.y];
    }
}

void TileOccupancy::Sync(const Game& game) {
    for (int slot = 0; slot < kMaxUnits; ++slot) {
        const Unit& u = game.state.units[slot];
        const Seen now{Occupies(game, u), u.x, u.y};
        Seen& was = seen_[slot];
        if (now.onTile == was.onTile && (!now.onTile || (now.x == was.x && now.y == was.y))) continue;
        if (was.onTile) Remove(slot, was.x, was.y);
        was = now;
        if (now.onTile) Add(slot, now.x, now.y);
    }
}

void TileOccupancy::Move(int slot, int x, int y) {
    Seen& was = seen_[slot];
    Remove(slot, was.x, was.y);
    was.x = x;
    was.y = y;
    Add(slot, x, y);
}

void TileOccupancy::Add(int slot, int x, int y) {
    ++count_[x][y];
    if (lowest_[x][y] < 0 || slot < lowest_[x][y]) lowest_[x][y] = static_cast<int16_t>(slot);
}

void TileOccupancy::Remove(int slot, int x, int y) {
    --count_[x][y];
    if (lowest_[x][y] != slot) return;
    lowest_[x][y] = -1;
    if (count_[x][y] == 0) return;
    // Two units on one tile are rare (an explosion under a newcomer): look
    // for the other one among the slots as the index knows them.
    for (int other = 0; other < kMaxUnits; ++other) {
        const Seen& s = seen_[other];
        if (other != slot && s.onTile && s.x == x && s.y == y) {
            lowest_[x][y] = static_cast<int16_t>(other);
            return;
        }
    }
}
