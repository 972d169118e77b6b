// What the computer player does with its units where the design's thresholds,
// scan orders and tie rules decide; the differential test checks the rest.
#include <gtest/gtest.h>

#include "ai/computer_player.h"
#include "test_board.h"

namespace {

const Unit& UnitIn(const Game& game, int slot) { return game.state.units[slot]; }

TEST(Conversions, SixStepsAheadIsTheLineBetweenWalkingAndFlying) {
    struct Case {
        int type, terrain, clearingX;  // the unit stands at (5, 5), the target east of it
        int expected;
    };
    const Case cases[] = {
        {kStandard, kLand, 12, kStandard},  // next step 6 from the clearing: stays on foot
        {kStandard, kLand, 13, kAir},       // next step 7: flies
        {kAir, kLand, 12, kAir},            // next step 6: keeps flying
        {kAir, kLand, 11, kStandard},       // next step 5: lands
        {kAir, kWater, 7, kAir},            // never lands on water however close
    };
    for (const Case& c : cases) {
        Game game = MakeBoard();
        SetTerrain(game, c.clearingX, 5, kClearing);
        SetTerrain(game, 5, 5, c.terrain);
        const int unit = CreateUnit(game, 5, 5, 1, c.type);
        ComputerTurn turn(game);
        EXPECT_EQ(ConvertUnits(turn), c.expected != c.type);
        EXPECT_EQ(UnitIn(game, unit).type, c.expected) << "type " << c.type << ", clearing at " << c.clearingX;
    }
}

TEST(Conversions, MovedUnitsDigInByTheDistanceToTheEnemyAndStandDownWithNobodyNear) {
    const int cases[][2] = {{11, kStandard}, {12, kTank}, {13, kArtillery}, {16, kArtillery}, {17, kStandard}};
    for (const auto& [enemyX, expected] : cases) {
        Game game = MakeBoard();
        const int unit = PutMoved(game, 10, 10, 1, kStandard);
        CreateUnit(game, enemyX, 10, 2, kStandard);
        ComputerTurn turn(game);
        ConvertUnits(turn);
        EXPECT_EQ(UnitIn(game, unit).type, expected) << "enemy at x " << enemyX;
        EXPECT_EQ(UnitIn(game, unit).canAttack, expected == kStandard ? 1 : 0);
    }
    Game game = MakeBoard();
    const int tank = PutMoved(game, 5, 5, 1, kTank);
    const int keptTank = PutMoved(game, 5, 15, 1, kTank);
    const int artillery = PutMoved(game, 20, 5, 1, kArtillery);
    CreateUnit(game, 9, 15, 2, kStandard);  // 4 from the second tank: within its 2 + 2
    ComputerTurn turn(game);
    EXPECT_TRUE(ConvertUnits(turn));
    EXPECT_EQ(UnitIn(game, tank).type, kStandard);
    EXPECT_EQ(UnitIn(game, keptTank).type, kTank);
    EXPECT_EQ(UnitIn(game, artillery).type, kStandard);
}

TEST(Turns, UnitsSettleOnClearingsAndAttackBeforeTheyMove) {
    Game game = MakeBoard();
    SetTerrain(game, 10, 20, kClearing);
    const int settler = CreateUnit(game, 10, 23, 1, kStandard);
    game.state.players[2].powerLevel = 100;  // the target survives the blow
    for (int seat = 0; seat < kSeats; ++seat) CreateUnit(game, 1 + 24 * (seat % 2), 1 + 24 * (seat / 2), seat, kBase);
    const int unit = CreateUnit(game, 10, 10, 1, kStandard);
    const int enemy = CreateUnit(game, 10, 9, 2, kStandard);
    game.state.players[1].faction = kWasp;  // no special that would attack again
    RunComputerPlayer(game);
    EXPECT_EQ(UnitIn(game, settler).y, 20);
    EXPECT_EQ(UnitIn(game, settler).type, kBase);
    EXPECT_LT(UnitIn(game, enemy).health, 100);
    EXPECT_EQ(game.state.players[1].energy, 10);  // the award of one attack
    // Its attack spent, it moved in the next pass. The flood runs through the
    // unit's own tile, so south, east and west of it all read 2; south is
    // tried first, and from there nothing is closer: one step south.
    EXPECT_EQ(UnitIn(game, unit).x, 10);
    EXPECT_EQ(UnitIn(game, unit).y, 11);
    EXPECT_EQ(UnitIn(game, unit).canMove, 0);
}

TEST(EnemySearch, LooksColumnByColumnAndOnlyAtTheLowestSlotOfATile) {
    Game game = MakeBoard();
    const int unit = CreateUnit(game, 10, 10, 1, kArtillery);
    const int wreck = CreateUnit(game, 8, 12, 2, kStandard);
    CreateUnit(game, 8, 12, 2, kStandard);  // hidden by the explosion on the lower slot
    const int upper = CreateUnit(game, 12, 8, 2, kStandard);
    CreateUnit(game, 12, 14, 3, kStandard);  // the same column, further down
    game.state.units[wreck].state = kDestroyed;
    ComputerTurn turn(game);
    EXPECT_EQ(FindEnemyInRange(turn, unit, 6), upper);
    EXPECT_EQ(FindEnemyInRange(turn, unit, 1), -1);
}

TEST(Purchases, GoToTheOpenTileAroundABaseClosestToATarget) {
    Game game = MakeBoard();
    game.state.players[1].energy = 250;
    CreateUnit(game, 5, 5, 1, kBase);
    CreateUnit(game, 15, 15, 1, kBase);
    CreateUnit(game, 4, 4, 1, kStandard);  // takes the first tile of the ring
    game.state.units[CreateUnit(game, 4, 5, 2, kStandard)].state = kDestroyed;  // an explosion blocks too
    ComputerTurn turn(game);
    BuildDistanceFields(turn);
    // No target anywhere: every open tile reads the same, so the first open one wins.
    EXPECT_EQ(FindPlacementTile(turn), (TilePos{4, 6}));
    ASSERT_TRUE(BuyUnitNearBase(turn));
    EXPECT_EQ(game.state.players[1].energy, 150);
    const int bought = UnitAt(game, 4, 6);
    ASSERT_NE(bought, -1);
    EXPECT_EQ(UnitIn(game, bought).type, kStandard);
    EXPECT_EQ(UnitIn(game, bought).canAttack + UnitIn(game, bought).canMove, 2);

    SetTerrain(game, 18, 14, kClearing);  // 2 steps from (16, 14), beside the second base
    ComputerTurn targeted(game);
    BuildDistanceFields(targeted);
    EXPECT_EQ(FindPlacementTile(targeted), (TilePos{16, 14}));
}

// The placement reads the ground field as it stood before the pass's
// attacks: a tile whose enemy was just destroyed still reads as occupied.
TEST(Purchases, SeeTheFieldAsItStoodBeforeThePassesAttacks) {
    Game game = MakeBoard();
    CreateUnit(game, 1, 1, 0, kBase);
    CreateUnit(game, 1, 25, 2, kBase);
    CreateUnit(game, 25, 25, 3, kBase);
    CreateUnit(game, 10, 10, 1, kBase);
    const int doomed = CreateUnit(game, 9, 9, 2, kStandard);
    game.state.units[doomed].health = 1;
    game.state.players[1].energy = 100;
    ComputerTurn turn(game);
    ConvertUnits(turn);
    EXPECT_FALSE(MoveUnits(turn));  // nobody to walk
    EXPECT_TRUE(AttackWithUnits(turn));
    ASSERT_EQ(game.state.units[doomed].state, kFree);  // the base destroyed it
    ASSERT_TRUE(BuyUnitNearBase(turn));
    // (9, 9) is nearest to the corner base at (1, 1), but it was taken when
    // the fields were built; of the two next best, the smaller dx comes first.
    EXPECT_EQ(UnitAt(game, 9, 9), -1);
    EXPECT_NE(UnitAt(game, 9, 10), -1);
}

TEST(Purchases, AreRefusedAtTheCapWithoutEnergyOrWithoutASlot) {
    Game game = MakeBoard();
    CreateUnit(game, 5, 5, 1, kBase);
    auto buys = [&game] {
        ComputerTurn turn(game);
        BuildDistanceFields(turn);
        return BuyUnitNearBase(turn);
    };
    game.state.players[1].energy = 99;
    EXPECT_FALSE(buys());
    game.state.players[1].energy = 1000;
    game.unitCap = 0;
    EXPECT_FALSE(buys());
    // Every slot taken (by bases, which the cap does not count): no purchase
    // and no energy spent on a unit that cannot exist.
    game.unitCap = 20;
    for (int i = 1; i < kMaxUnits; ++i) CreateUnit(game, 20 + i % 5, 20 + i / 60, 2, kBase);
    EXPECT_FALSE(buys());
    EXPECT_EQ(game.state.players[1].energy, 1000);
}

TEST(Repairs, HealAsFarAsEnergyGoesSpendTheActionAndWaitWhileAnEnemyIsInRange) {
    Game game = MakeBoard();
    game.state.players[1].powerLevel = 40;
    const int unit = CreateUnit(game, 5, 5, 1, kStandard);
    game.state.units[unit].health = 10;  // 30 short
    game.state.players[1].energy = 45;
    const int waiting = CreateUnit(game, 15, 15, 1, kStandard);
    game.state.units[waiting].health = 3;
    CreateUnit(game, 16, 16, 2, kStandard);
    ComputerTurn turn(game);
    EXPECT_TRUE(RepairUnits(turn));
    EXPECT_EQ(UnitIn(game, unit).health, 32);
    EXPECT_EQ(game.state.players[1].energy, 1);
    EXPECT_EQ(UnitIn(game, unit).canAttack, 0);
    EXPECT_EQ(UnitIn(game, waiting).health, 3);
    EXPECT_EQ(UnitIn(game, waiting).canAttack, 1);

    const int poor = CreateUnit(game, 9, 9, 1, kStandard);
    game.state.units[poor].health = 5;
    EXPECT_TRUE(RepairUnits(turn));  // energy 1: no repair, the action is gone all the same
    EXPECT_EQ(UnitIn(game, poor).health, 5);
    EXPECT_EQ(UnitIn(game, poor).canAttack, 0);
    EXPECT_FALSE(RepairUnits(turn));
}

TEST(PowerUp, DrawsOnlyWhenItCanPayAndThenRaisesByTheLevelsChance) {
    Game game = MakeBoard();
    Player& p = game.state.players[1];
    const int unit = CreateUnit(game, 5, 5, 1, kStandard);
    p.energy = 499;  // the step from 10 costs 500
    const uint32_t before = game.rng.state;
    ConsiderPowerUp(game);
    p.powerLevel = 990;
    p.energy = 1000000;
    ConsiderPowerUp(game);
    EXPECT_EQ(game.rng.state, before);
    EXPECT_EQ(p.powerLevel, 990);

    // A draw of 45 out of 100 raises at FAIR (60) and HARD (90) but not at EASY (30).
    uint32_t seed = 0;
    for (Rng probe; probe.Seed(seed), probe.Below(100) != 45; ++seed) {
    }
    Rng drawn;
    drawn.Seed(seed);
    drawn.Draw();
    for (int level : {kEasy, kFair, kHard}) {
        game.state.computerLevel = level;
        p.powerLevel = 50;
        p.energy = 2000;
        game.state.units[unit].health = 7;
        game.rng.Seed(seed);
        ConsiderPowerUp(game);
        EXPECT_EQ(game.rng.state, drawn.state);  // one draw
        const bool raises = level != kEasy;
        EXPECT_EQ(p.powerLevel, raises ? 60 : 50);
        EXPECT_EQ(p.energy, raises ? 2000 - 1500 : 2000);
        EXPECT_EQ(UnitIn(game, unit).health, raises ? 17 : 7);
    }
}

}  // namespace
