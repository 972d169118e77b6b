#include "random_games.h"

#include <algorithm>
#include <random>
#include <vector>

#include "game/unit_types.h"
#include "support/game_builder.h"
#include "world/terrain.h"

namespace {

using Random = std::mt19937;

int Pick(Random& random, int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
bool Chance(Random& random, int percent) { return Pick(random, 0, 99) < percent; }

void MakePlayers(Game& game, Random& random) {
    for (int seat = 0; seat < kSeats; ++seat) {
        Player& p = game.state.players[seat];
        p.seatOpen = seat < 2 || Chance(random, 70) ? 1 : 0;
        p.isHuman = Chance(random, 30) ? 1 : 0;
        p.lifeState = p.seatOpen ? kAlive : kDead;
        p.faction = Pick(random, 0, 3);
        static const int kEnergies[] = {0, 1, 3, 99, 100, 250, 600, 1500, 5000, 40000};
        p.energy = kEnergies[Pick(random, 0, 9)] + Pick(random, 0, 50);
        p.powerLevel = Chance(random, 10) ? Pick(random, 97, 99) * 10 : Pick(random, 1, 25) * 10;
        p.score = Pick(random, 0, 20000);
    }
}

// A tile that suits the unit: bases on clearings, ground units off water and
// rough ground, mostly a free tile, now and then anything goes; but never,
// as in any game, two active units on one tile. A unit still exploding may
// lie anywhere, under a newcomer too.
void PlaceUnit(const Game& game, Random& random, Unit& u, int lastRow, bool active) {
    const int n = game.map.mapSize;
    for (int attempt = 0; attempt < 80; ++attempt) {
        u.x = Pick(random, 0, n - 1);
        u.y = Pick(random, 0, std::min(n - 1, lastRow + attempt / 10));  // crowded rows spill over
        const int terrain = game.map.tiles[u.x][u.y].terrain;
        if (active && ActiveUnitAt(game, u.x, u.y) != -1) continue;
        if (UnitAt(game, u.x, u.y) != -1 && attempt < 50) continue;
        if (u.type == kBase && terrain != kClearing && attempt < 40) continue;
        if (u.type != kAir && (terrain == kWater || terrain == kRough) && attempt < 30) continue;
        return;
    }
    for (u.x = 0; u.x < n; ++u.x)
        for (u.y = 0; u.y < n; ++u.y)
            if (!active || ActiveUnitAt(game, u.x, u.y) == -1) return;
}

// On a winding map the enemies keep to the top rows, so that the seat's own
// units further down stand more than 2n steps from every target.
void MakeUnits(Game& game, Random& random, Density density, bool winding) {
    std::vector<int> open;
    for (int seat = 0; seat < kSeats; ++seat)
        if (game.state.players[seat].seatOpen) open.push_back(seat);
    const int counts[][2] = {{2, 30}, {40, 120}, {190, 240}};  // sparse, medium, crowded
    const auto [least, most] = counts[static_cast<int>(density)];
    const int count = Pick(random, least, most);
    std::vector<int> slots(kMaxUnits);
    for (int i = 0; i < kMaxUnits; ++i) slots[i] = i;
    std::shuffle(slots.begin(), slots.end(), random);
    for (int i = 0; i < count; ++i) {
        Unit& u = game.state.units[slots[i]];
        u.owner = open[Pick(random, 0, static_cast<int>(open.size()) - 1)];
        static const int kTypes[] = {kStandard, kStandard, kStandard, kBase, kAir, kTank, kArtillery};
        u.type = kTypes[Pick(random, 0, 6)];
        const bool enemy = u.owner != game.state.currentPlayer;
        const bool active = !Chance(random, 5);
        PlaceUnit(game, random, u, winding && enemy ? 1 : game.map.mapSize - 1, active);
        const int power = game.state.players[u.owner].powerLevel;
        u.health = Chance(random, 50) ? power : Pick(random, 1, power);
        u.canAttack = Chance(random, 85) ? 1 : 0;
        u.canMove = Chance(random, 80) ? 1 : 0;
        u.explosionFrame = 0;
        u.state = active ? kActive : kDestroyed;
        if (u.state == kDestroyed) u.explosionFrame = Pick(random, 0, 15);
    }
}

// Now and then the land is broken up into narrow winding ways, where the
// distance floods run long and may stop before reaching every tile.
void BreakUpLand(Game& game, Random& random) {
    const int n = game.map.mapSize;
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y) {
            int& terrain = game.map.tiles[x][y].terrain;
            if (terrain != kClearing && !Chance(random, 55)) terrain = Chance(random, 50) ? kWater : kRough;
        }
}

// Walls of rough ground across every other row, each with one gap near
// alternate ends, and a single clearing: the way from one end of the map to
// the other winds far beyond 2n steps.
void BuildWindingWalls(Game& game, Random& random) {
    const int n = game.map.mapSize;
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y) game.map.tiles[x][y].terrain = kLand;
    for (int y = 2; y < n - 1; y += 2) {
        const int gap = y % 4 == 2 ? Pick(random, n - 3, n - 1) : Pick(random, 0, 2);
        for (int x = 0; x < n; ++x)
            if (x != gap) game.map.tiles[x][y].terrain = kRough;
    }
    game.map.tiles[Pick(random, 1, n - 2)][1].terrain = kClearing;
}

int NextOpenSeat(const Game& game, int from) {
    for (int step = 1; step <= kSeats; ++step) {
        const int seat = (from + step) % kSeats;
        const Player& p = game.state.players[seat];
        if (p.seatOpen && p.lifeState == kAlive) return seat;
    }
    return from;
}

}  // namespace

Game MakeRandomGame(uint32_t seed, int mapSize, Density density) {
    Random random(seed);
    Game game = MakeTestGame(kSinglePlayer, mapSize, 0);
    game.state.computerLevel = Pick(random, kEasy, kHard);
    game.map.mapSeed = Pick(random, 0, 1000000);
    GenerateTerrain(game);
    const int landForm = Pick(random, 0, 99);
    const bool winding = landForm >= 80;
    if (landForm < 20) BreakUpLand(game, random);
    if (winding) BuildWindingWalls(game, random);
    MakePlayers(game, random);
    game.state.currentPlayer = NextOpenSeat(game, Pick(random, 0, 3));
    game.state.players[game.state.currentPlayer].isHuman = 0;
    MakeUnits(game, random, density, winding);
    // Now and then every move is already spent, as late in a turn: the
    // computer then only converts, attacks, buys and repairs.
    if (Chance(random, 20))
        for (Unit& u : game.state.units) u.canMove = 0;
    game.rng.Seed(static_cast<uint32_t>(random()));
    return game;
}

void PassToNextComputerSeat(Game& game, uint32_t seed) {
    Random random(seed);
    const int seat = NextOpenSeat(game, game.state.currentPlayer);
    if (Chance(random, 50))
        for (Unit& u : game.state.units) {
            u.canAttack = 1;
            u.canMove = u.type == kBase ? 0 : 1;
        }
    game.state.currentPlayer = seat;
    game.state.players[seat].isHuman = 0;
}
