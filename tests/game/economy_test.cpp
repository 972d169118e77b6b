// Income, the power level and repairs paid in energy.
#include "game/economy.h"
#include "rules_fixture.h"

namespace {

using EconomyTest = RulesTest;

TEST_F(EconomyTest, IncomeIsFiftyABaseAndTenAUnitScaledForComputersOnly) {
    for (int seat : {0, 1}) {  // two bases and seven other units each, plus a wreck that earns nothing
        Place(1, 1 + 5 * seat, seat, kBase), Place(3, 1 + 5 * seat, seat, kBase);
        for (int i = 0; i < 7; ++i) Place(5 + i, 1 + 5 * seat, seat, i % 2 ? kAir : kStandard);
        U(Place(20, 1 + 5 * seat, seat, kTank)).state = kDestroyed;
    }
    P(1).isHuman = 0;
    const int levels[][2] = {{kEasy, 85}, {kFair, 170}, {kHard, 340}};
    for (const auto& [level, income] : levels) {
        game.state.computerLevel = level;
        EXPECT_EQ(Income(game, 1), income) << "level " << level;
        EXPECT_EQ(Income(game, 0), 170) << "level " << level;
    }
    CollectIncome(game, 1);
    EXPECT_EQ(P(1).energy, 10 + 340);
    EXPECT_EQ(P(1).score, 340);
}

TEST_F(EconomyTest, ARepairStopsAtFullHealthOrWhenEnergyRunsShort) {
    // energy, health before, points healed, energy after (two a point, full at 10)
    const int cases[][4] = {{45, 7, 3, 39}, {2, 5, 1, 0}, {3, 9, 1, 1}, {1, 5, 0, 1}, {100, 10, 0, 100}};
    for (const auto& [energy, health, healed, energyAfter] : cases) {
        const int unit = Place(1, 1, 0, kTank);
        U(unit).health = health, P(0).energy = energy;
        EXPECT_EQ(RepairWithEnergy(game, unit, 0), healed) << energy << " " << health;
        EXPECT_EQ(U(unit).health, health + healed);
        EXPECT_EQ(P(0).energy, energyAfter);
        U(unit).state = kFree;
    }
}

TEST_F(EconomyTest, TheCapCountsNonBaseUnitsOnlyAndGrowsWithTheMap) {
    const int caps[][2] = {{27, 20}, {36, 30}, {45, 40}, {54, 50}, {63, 60}};
    for (const auto& [size, cap] : caps) {
        game.map.mapSize = size, game.unitCap = UnitCapForMapSize(size);
        for (Unit& u : game.state.units) u.state = kFree;
        for (int i = 0; i < cap - 1; ++i) Place(i % 27, 2 + i / 27, 0, kStandard);
        for (int i = 0; i < 5; ++i) Place(i, 10, 0, kBase);
        U(Place(9, 9, 0, kTank)).state = kDestroyed;
        EXPECT_TRUE(BelowUnitCap(game, 0)) << size;
        Place(20, 20, 0, kAir);
        EXPECT_FALSE(BelowUnitCap(game, 0)) << size;
    }
}

}  // namespace
