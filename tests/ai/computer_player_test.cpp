// What the computer player does with its units, case by case.
#include <gtest/gtest.h>

#include "ai/computer_player.h"
#include "test_board.h"

namespace {

const Unit& UnitIn(const Game& game, int slot) { return game.state.units[slot]; }

TEST(Conversions, StandardUnitWithNoWayOnFootTakesToTheAir) {
    Game game = MakeBoard();
    for (int x = 0; x < 27; ++x)
        for (int y = 0; y < 27; ++y)
            if (x < 3 || x > 5 || y < 3 || y > 5) SetTerrain(game, x, y, kWater);  // a 3 x 3 island
    const int unit = CreateUnit(game, 4, 4, 1, kStandard);
    CreateUnit(game, 20, 4, 2, kBase);
    RunComputerPlayer(game);
    EXPECT_EQ(UnitIn(game, unit).type, kAir);
    EXPECT_EQ(UnitIn(game, unit).canAttack, 0);
    // It flew in the same pass, down the air field towards the enemy base.
    EXPECT_EQ(UnitIn(game, unit).x, 14);
    EXPECT_EQ(UnitIn(game, unit).canMove, 0);
}

TEST(Conversions, AirUnitOverWaterStaysAirHoweverCloseTheTarget) {
    Game game = MakeBoard();
    SetTerrain(game, 10, 10, kWater);
    SetTerrain(game, 10, 12, kClearing);
    const int unit = PutMoved(game, 10, 10, 1, kAir);
    ComputerTurn turn(game);
    EXPECT_FALSE(ConvertUnits(turn));
    EXPECT_EQ(UnitIn(game, unit).type, kAir);
}

TEST(Conversions, ExactlySixStepsAheadKeepsTheTypeOnBothSides) {
    struct Case {
        int type;
        int clearingX;  // the unit stands at x = 5, y = 5; the target lies east of it
        int expected;
    };
    const Case cases[] = {
        {kStandard, 12, kStandard},  // next step 6 from the clearing: stays on foot
        {kStandard, 13, kAir},       // next step 7: flies
        {kAir, 12, kAir},            // next step 6: keeps flying
        {kAir, 11, kStandard},       // next step 5: lands
    };
    for (const Case& c : cases) {
        Game game = MakeBoard();
        SetTerrain(game, c.clearingX, 5, kClearing);
        const int unit = CreateUnit(game, 5, 5, 1, c.type);
        ComputerTurn turn(game);
        ConvertUnits(turn);
        EXPECT_EQ(UnitIn(game, unit).type, c.expected) << "type " << c.type << ", clearing at " << c.clearingX;
    }
}

TEST(Conversions, StandardUnitThatHasMovedDigsInByTheDistanceToTheEnemy) {
    struct Case {
        int enemyX;  // the unit stands at (10, 10)
        int expected;
    };
    const Case cases[] = {{11, kStandard}, {12, kTank}, {13, kArtillery}, {16, kArtillery}, {17, kStandard}};
    for (const Case& c : cases) {
        Game game = MakeBoard();
        const int unit = PutMoved(game, 10, 10, 1, kStandard);
        CreateUnit(game, c.enemyX, 10, 2, kStandard);
        ComputerTurn turn(game);
        ConvertUnits(turn);
        EXPECT_EQ(UnitIn(game, unit).type, c.expected) << "enemy at x " << c.enemyX;
        EXPECT_EQ(UnitIn(game, unit).canAttack, c.expected == kStandard ? 1 : 0);
    }
}

TEST(Conversions, TanksAndArtilleryWithNobodyNearGoBackToStandard) {
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

TEST(Turns, UnitReachingAFreeClearingStopsAndBecomesABase) {
    Game game = MakeBoard();
    SetTerrain(game, 10, 10, kClearing);
    const int unit = CreateUnit(game, 10, 13, 1, kStandard);
    RunComputerPlayer(game);
    EXPECT_EQ(UnitIn(game, unit).x, 10);
    EXPECT_EQ(UnitIn(game, unit).y, 10);
    EXPECT_EQ(UnitIn(game, unit).type, kBase);
}

TEST(Turns, UnitNextToAnEnemyAttacksFirstThenMoves) {
    Game game = MakeBoard();
    game.state.players[1].powerLevel = 10;
    game.state.players[2].powerLevel = 100;  // the target survives the blow
    for (int seat = 0; seat < kSeats; ++seat) CreateUnit(game, 1 + 24 * (seat % 2), 1 + 24 * (seat / 2), seat, kBase);
    const int unit = CreateUnit(game, 10, 10, 1, kStandard);
    const int enemy = CreateUnit(game, 10, 9, 2, kStandard);
    game.state.players[1].faction = kWasp;  // no special that would attack again
    RunComputerPlayer(game);
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
    const int lowerRight = CreateUnit(game, 12, 8, 2, kStandard);
    const int upperRight = CreateUnit(game, 12, 14, 3, kStandard);
    ComputerTurn turn(game);
    EXPECT_EQ(FindEnemyInRange(turn, unit, 6), lowerRight);  // same column: the smaller y first
    EXPECT_EQ(FindEnemyInRange(turn, unit, 1), -1);
    // A unit still exploding on a lower slot hides an active one on its tile.
    Game masked = MakeBoard();
    const int shooter = CreateUnit(masked, 10, 10, 1, kArtillery);
    const int wreck = CreateUnit(masked, 13, 10, 2, kStandard);
    const int hidden = CreateUnit(masked, 13, 10, 2, kStandard);
    masked.state.units[wreck].state = kDestroyed;
    ComputerTurn maskedTurn(masked);
    EXPECT_EQ(FindEnemyInRange(maskedTurn, shooter, 6), -1) << "slot " << hidden << " is hidden";
    (void)upperRight;
}

TEST(Purchases, GoToTheClosestOpenTileAroundTheFirstBase) {
    Game game = MakeBoard();
    game.state.players[1].energy = 250;
    const int first = CreateUnit(game, 5, 5, 1, kBase);
    CreateUnit(game, 20, 20, 1, kBase);
    CreateUnit(game, 4, 4, 1, kStandard);             // takes the first tile of the ring
    const int wreck = CreateUnit(game, 4, 5, 2, kStandard);
    game.state.units[wreck].state = kDestroyed;        // an explosion still blocks a tile
    ComputerTurn turn(game);
    BuildDistanceFields(turn);
    // No target anywhere: every open tile reads 9999, so the first open one wins.
    EXPECT_EQ(FindPlacementTile(turn), (TilePos{4, 6}));
    ASSERT_TRUE(BuyUnitNearBase(turn));
    EXPECT_EQ(game.state.players[1].energy, 150);
    const int bought = UnitAt(game, 4, 6);
    ASSERT_NE(bought, -1);
    EXPECT_EQ(UnitIn(game, bought).type, kStandard);
    EXPECT_EQ(UnitIn(game, bought).canAttack, 1);
    EXPECT_EQ(UnitIn(game, bought).canMove, 1);
    (void)first;
}

TEST(Purchases, PreferTheTileClosestToATarget) {
    Game game = MakeBoard();
    game.state.players[1].energy = 100;
    CreateUnit(game, 5, 5, 1, kBase);
    CreateUnit(game, 15, 15, 1, kBase);
    SetTerrain(game, 18, 14, kClearing);  // 2 steps from (16, 14), beside the second base
    ComputerTurn turn(game);
    BuildDistanceFields(turn);
    EXPECT_EQ(FindPlacementTile(turn), (TilePos{16, 14}));
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
    game.state.players[1].energy = 99;
    {
        ComputerTurn turn(game);
        BuildDistanceFields(turn);
        EXPECT_FALSE(BuyUnitNearBase(turn));
    }
    game.state.players[1].energy = 1000;
    game.unitCap = 0;
    {
        ComputerTurn turn(game);
        BuildDistanceFields(turn);
        EXPECT_FALSE(BuyUnitNearBase(turn));
    }
    // Every slot taken (by bases, which the cap does not count): no purchase
    // and no energy spent on a unit that cannot exist.
    game.unitCap = 20;
    for (int i = 1; i < kMaxUnits; ++i) CreateUnit(game, 20 + i % 5, 20 + i / 60, 2, kBase);
    ComputerTurn turn(game);
    BuildDistanceFields(turn);
    EXPECT_FALSE(BuyUnitNearBase(turn));
    EXPECT_EQ(game.state.players[1].energy, 1000);
}

TEST(Repairs, HealAsFarAsEnergyGoesAndAlwaysSpendTheAction) {
    Game game = MakeBoard();
    game.state.players[1].powerLevel = 40;
    const int unit = CreateUnit(game, 5, 5, 1, kStandard);
    game.state.units[unit].health = 10;  // 30 short
    game.state.players[1].energy = 45;
    ComputerTurn turn(game);
    EXPECT_TRUE(RepairUnits(turn));
    EXPECT_EQ(UnitIn(game, unit).health, 32);
    EXPECT_EQ(game.state.players[1].energy, 1);
    EXPECT_EQ(UnitIn(game, unit).canAttack, 0);

    const int poor = CreateUnit(game, 9, 9, 1, kStandard);
    game.state.units[poor].health = 5;
    EXPECT_TRUE(RepairUnits(turn));  // energy 1: no repair, the action is gone all the same
    EXPECT_EQ(UnitIn(game, poor).health, 5);
    EXPECT_EQ(UnitIn(game, poor).canAttack, 0);
    EXPECT_FALSE(RepairUnits(turn));
}

TEST(Repairs, WaitWhileAnEnemyIsInRange) {
    Game game = MakeBoard();
    game.state.players[1].energy = 500;
    const int unit = CreateUnit(game, 5, 5, 1, kStandard);
    game.state.units[unit].health = 3;
    CreateUnit(game, 6, 6, 2, kStandard);
    ComputerTurn turn(game);
    EXPECT_FALSE(RepairUnits(turn));
    EXPECT_EQ(UnitIn(game, unit).health, 3);
}

TEST(PowerUp, DrawsOnlyWhenItCanPayAndThenRaisesByTheLevelsChance) {
    Game game = MakeBoard();
    Player& p = game.state.players[1];
    const int unit = CreateUnit(game, 5, 5, 1, kStandard);

    p.energy = 499;  // the step from 10 costs 500
    const uint32_t before = game.rng.state;
    ConsiderPowerUp(game);
    EXPECT_EQ(game.rng.state, before);
    EXPECT_EQ(p.powerLevel, 10);

    p.powerLevel = 990;
    p.energy = 1000000;
    ConsiderPowerUp(game);
    EXPECT_EQ(game.rng.state, before);

    for (int level : {kEasy, kFair, kHard}) {
        game.state.computerLevel = level;
        for (uint32_t seed = 0; seed < 20; ++seed) {
            p.powerLevel = 50;
            p.energy = 2000;
            game.state.units[unit].health = 7;
            game.rng.Seed(seed);
            Rng expected;
            expected.Seed(seed);
            const bool raises = expected.Below(100) < PowerUpChance(level);
            ConsiderPowerUp(game);
            EXPECT_EQ(game.rng.state, expected.state);
            EXPECT_EQ(p.powerLevel, raises ? 60 : 50);
            EXPECT_EQ(p.energy, raises ? 2000 - 1500 : 2000);
            EXPECT_EQ(UnitIn(game, unit).health, raises ? 17 : 7);
        }
    }
    EXPECT_EQ(PowerUpChance(kEasy), 30);
    EXPECT_EQ(PowerUpChance(kFair), 60);
    EXPECT_EQ(PowerUpChance(kHard), 90);
}

}  // namespace
