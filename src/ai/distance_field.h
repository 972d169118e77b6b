#pragma once
// How far every tile lies from the computer player's nearest target, once for
// ground units and once for AIR units. A target is a clearing that no own unit
// holds, or any active enemy unit.
#include <array>
#include <cstdint>

#include "game/state.h"

// Field values besides the step counts 0, 1, 2, ...
constexpr int kFieldUnreached = 9999;  // the flood did not arrive
constexpr int kFieldBlocked = 99999;   // cannot be entered for this purpose

struct TilePos {
    int x = -1;
    int y = 0;
    bool operator==(const TilePos&) const = default;
};

// Both fields live on a grid with a one-tile frame of blocked cells around the
// largest map, so the flood and the step choice never test the map's edges:
// a blocked cell neither spreads nor is ever strictly smaller than a value.
class DistanceField {
public:
    static constexpr int kStride = kMaxMapSize + 2;
    static constexpr int kCells = kStride * kStride;

    static constexpr int Cell(int x, int y) { return (x + 1) * kStride + (y + 1); }

    int Ground(int x, int y) const { return ground_[Cell(x, y)]; }
    int Air(int x, int y) const { return air_[Cell(x, y)]; }
    // A unit moved onto the tile: neither field lets anything else in.
    void Block(int x, int y) { ground_[Cell(x, y)] = air_[Cell(x, y)] = kFieldBlocked; }

    // Takes in the terrain of the map; the terrain does not change within a
    // turn, so this runs once before the first Build.
    void PrepareTerrain(const Game& game);

    // Both fields from scratch for `player` (the current player's view of the
    // map). With groundOnly the air field is left as it was.
    void Build(const Game& game, int player, bool groundOnly = false);

    // The neighbour with the smallest value below the tile's own, tested
    // north, south, east, west (the first keeps a tie); the tile itself when
    // no neighbour is smaller.
    TilePos NextGroundStep(int x, int y) const { return NextStep(ground_, x, y); }
    TilePos NextAirStep(int x, int y) const { return NextStep(air_, x, y); }

private:
    using Grid = std::array<int, kCells>;

    static TilePos NextStep(const Grid& field, int x, int y);
    void Flood(Grid& field, int mapSize);

    Grid ground_{};
    Grid air_{};
    // The terrain's part of both fields, the starting point of every build.
    Grid groundTerrain_{};
    Grid airTerrain_{};
    std::array<int16_t, kCells> queue_{};
};
