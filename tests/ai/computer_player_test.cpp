// The computer player's thresholds, each at its edges; the differential test
// checks the rest against the plain version.
#include <gtest/gtest.h>

#include "ai/computer_player.h"
#include "game/unit_types.h"
#include "support/game_builder.h"
#include "support/seeds.h"

namespace {

// A small hand-made board: open land everywhere unless a test says
// otherwise, four open seats, seat 1 a computer seat whose turn it is.
Game MakeBoard() {
    Game game = MakeTestGame(kSinglePlayer, 27, 0);
    game.map.mapSeed = 1;
    OpenSeat(game, 2, false), OpenSeat(game, 3, false);
    for (Player& p : game.state.players) p.energy = 0;
    game.state.currentPlayer = 1, game.rng.Seed(99);
    return game;
}

TEST(Conversions, SixStepsAheadIsTheLineBetweenWalkingAndFlying) {
    struct Case { int type, terrain, clearingX, expected; };  // the unit at (5, 5), the clearing east of it
    const Case cases[] = {
        {kStandard, kLand, 12, kStandard},  // next step 6 from the clearing: stays on foot
        {kStandard, kLand, 13, kAir},       // next step 7: flies
        {kAir, kLand, 12, kAir},            // next step 6: keeps flying
        {kAir, kLand, 11, kStandard},       // next step 5: lands
        {kAir, kWater, 7, kAir},            // never lands on water or rough ground however close
        {kAir, kRough, 7, kAir},
    };
    for (const Case& c : cases) {
        Game game = MakeBoard();
        game.map.tiles[c.clearingX][5].terrain = kClearing;
        game.map.tiles[5][5].terrain = c.terrain;
        const int unit = CreateUnit(game, 5, 5, 1, c.type);
        ComputerTurn turn(game);
        EXPECT_EQ(ConvertUnits(turn), c.expected != c.type);
        EXPECT_EQ(game.state.units[unit].type, c.expected) << "type " << c.type << ", clearing at " << c.clearingX;
    }
}

// A unit that has moved digs in by its distance to the nearest enemy, and a
// dug-in one stands down once nobody is within its reach.
TEST(Conversions, MovedUnitsDigInByTheDistanceToTheEnemy) {
    const int cases[][3] = {  // type, the enemy's distance, the type after
        {kStandard, 1, kStandard}, {kStandard, 2, kTank}, {kStandard, 3, kArtillery}, {kStandard, 6, kArtillery},
        {kStandard, 7, kStandard}, {kTank, 4, kTank},     {kTank, 5, kStandard},      {kArtillery, 6, kArtillery},
        {kArtillery, 7, kStandard}};
    for (const auto& [type, distance, expected] : cases) {
        Game game = MakeBoard();
        const int unit = CreateUnit(game, 10, 10, 1, type);
        game.state.units[unit].canMove = 0;
        CreateUnit(game, 10 + distance, 10, 2, kStandard);
        ComputerTurn turn(game);
        ConvertUnits(turn);
        EXPECT_EQ(game.state.units[unit].type, expected) << type << " at " << distance;
        EXPECT_EQ(game.state.units[unit].canAttack, expected == type ? 1 : 0);
    }
}

// A purchase goes to the open tile around a base with the least ground
// distance; it needs the price, room under the cap and a free slot.
TEST(Purchases, GoNearestTheTargetForThePriceBelowTheCap) {
    // energy, units already, every slot taken, buys
    const int cases[][4] = {{100, 19, 0, 1}, {99, 19, 0, 0}, {100, 20, 0, 0}, {100, 0, 1, 0}};
    for (const auto& [energy, units, fullTable, buys] : cases) {
        Game game = MakeBoard();
        game.state.players[1].energy = energy;
        CreateUnit(game, 5, 5, 1, kBase), CreateUnit(game, 15, 15, 1, kBase);
        game.map.tiles[18][14].terrain = kClearing;  // 2 steps from (16, 14), beside the second base
        for (int i = 0; i < units; ++i) CreateUnit(game, i, 25, 1, kStandard);
        for (int i = 2; fullTable && i < kMaxUnits; ++i) CreateUnit(game, 3 + i % 20, i / 20, 2, kBase);
        ComputerTurn turn(game);
        BuildDistanceFields(turn);
        EXPECT_EQ(BuyUnitNearBase(turn), buys == 1) << energy << " " << units << " " << fullTable;
        EXPECT_EQ(game.state.players[1].energy, buys ? 0 : energy);
        EXPECT_EQ(UnitAt(game, 16, 14) != -1, buys == 1);
    }
}

// One draw out of 100, and only when the step can be paid for, raises the
// power level when it falls below the computer level's chance.
TEST(PowerUp, RaisesWhenTheDrawFallsBelowTheLevelsChance) {
    const int cases[][5] = {  // level, draw, energy, power level, raises
        {kEasy, 29, 1500, 50, 1}, {kEasy, 30, 1500, 50, 0},   {kFair, 59, 1500, 50, 1}, {kFair, 60, 1500, 50, 0},
        {kHard, 89, 1500, 50, 1}, {kHard, 90, 1500, 50, 0},   {kHard, 0, 1499, 50, -1}, {kHard, 0, 24750, 980, 1},
        {kHard, 0, 99999, 990, -1}};  // -1: no draw at all
    for (const auto& [level, draw, energy, power, raises] : cases) {
        Game game = MakeBoard();
        Player& p = game.state.players[1];
        const int unit = CreateUnit(game, 5, 5, 1, kStandard);
        game.state.computerLevel = level;
        p.energy = energy, p.powerLevel = power;
        const uint32_t seed = FirstSeed([draw](Rng& r) { return r.Below(100) == draw; });
        Rng drawn{seed};
        if (raises >= 0) drawn.Draw();
        game.rng.Seed(seed);
        ConsiderPowerUp(game);
        EXPECT_EQ(game.rng.state, drawn.state) << level << " " << draw << " " << power;
        EXPECT_EQ(p.powerLevel, raises == 1 ? power + 10 : power);
        EXPECT_EQ(p.energy, raises == 1 ? 0 : energy);
        EXPECT_EQ(game.state.units[unit].health, raises == 1 ? 20 : 10);
    }
}

}  // namespace
