// Income, the power level and repairs paid in energy.
#include "game/economy.h"
#include "rules_fixture.h"

namespace {

class EconomyTest : public RulesTest {
protected:
    // Two bases and seven other units, plus a wreck that earns nothing.
    void Muster(int seat) {
        Place(1, 1, seat, kBase);
        Place(3, 1, seat, kBase);
        for (int i = 0; i < 7; ++i) Place(5 + i, 1, seat, i % 2 ? kAir : kStandard);
        const int wreck = Place(20, 1, seat, kTank);
        game.state.units[wreck].state = kDestroyed;
    }
};

TEST_F(EconomyTest, IncomeIsFiftyABaseAndTenAUnit) {
    Muster(0);
    EXPECT_EQ(Income(game, 0), 170);
    CollectIncome(game, 0);
    EXPECT_EQ(game.state.players[0].energy, 10 + 170);
    EXPECT_EQ(game.state.players[0].score, 170);
}

TEST_F(EconomyTest, ComputerSeatsEarnByTheComputerLevel) {
    Muster(1);
    game.state.players[1].isHuman = 0;
    const std::pair<int, int> levels[] = {{kEasy, 85}, {kFair, 170}, {kHard, 340}};
    for (const auto& [level, income] : levels) {
        game.state.computerLevel = level;
        EXPECT_EQ(Income(game, 1), income) << "level " << level;
    }
    game.state.computerLevel = kHard;
    CollectIncome(game, 1);
    EXPECT_EQ(game.state.players[1].energy, 10 + 340);
    EXPECT_EQ(game.state.players[1].score, 340);
}

TEST_F(EconomyTest, TheComputerLevelNeverTouchesAHumanIncome) {
    Muster(0);
    game.state.computerLevel = kEasy;
    EXPECT_EQ(Income(game, 0), 170);
    game.state.computerLevel = kHard;
    EXPECT_EQ(Income(game, 0), 170);
}

TEST_F(EconomyTest, APowerStepIsPaidAndHealsEveryOwnUnit) {
    const int full = Place(1, 1, 0, kStandard);
    const int hurt = Place(2, 1, 0, kStandard);
    const int wreck = Place(3, 1, 0, kStandard);
    const int enemy = Place(4, 1, 1, kStandard);
    game.state.units[hurt].health = 4;
    game.state.units[wreck].state = kDestroyed;
    game.state.players[0].energy = 600;
    ASSERT_TRUE(BuyPowerStep(game, 0));
    EXPECT_EQ(game.state.players[0].energy, 100);
    EXPECT_EQ(game.state.players[0].powerLevel, 20);
    EXPECT_EQ(game.state.units[full].health, 20);
    EXPECT_EQ(game.state.units[hurt].health, 14);
    EXPECT_EQ(game.state.units[wreck].health, 10);
    EXPECT_EQ(game.state.units[enemy].health, 10);
    EXPECT_EQ(game.state.players[0].score, 0);  // spending never touches the score
    EXPECT_FALSE(BuyPowerStep(game, 0));       // 750 needed now
    EXPECT_EQ(game.state.players[0].powerLevel, 20);
}

TEST_F(EconomyTest, ThePowerLevelStopsAt990) {
    game.state.players[0].powerLevel = 980;
    game.state.players[0].energy = 100000;
    ASSERT_TRUE(BuyPowerStep(game, 0));
    EXPECT_EQ(game.state.players[0].energy, 100000 - 24750);
    EXPECT_FALSE(BuyPowerStep(game, 0));
    EXPECT_EQ(game.state.players[0].powerLevel, 990);
    EXPECT_EQ(game.state.players[0].energy, 100000 - 24750);
}

TEST_F(EconomyTest, RaisingFrom10To990CostsTheSumOfEveryStep) {
    game.state.players[0].energy = 2000000;
    int steps = 0;
    while (BuyPowerStep(game, 0)) ++steps;
    EXPECT_EQ(steps, 98);
    EXPECT_EQ(game.state.players[0].energy, 2000000 - 1237250);
}

TEST_F(EconomyTest, ARepairStopsWhenEnergyRunsShort) {
    game.state.players[0].powerLevel = 40;
    const int unit = Place(1, 1, 0, kTank);
    game.state.units[unit].health = 10;
    game.state.players[0].energy = 45;
    EXPECT_EQ(RepairWithEnergy(game, unit, 0), 22);
    EXPECT_EQ(game.state.units[unit].health, 32);
    EXPECT_EQ(game.state.players[0].energy, 1);
    EXPECT_EQ(RepairWithEnergy(game, unit, 0), 0);
}

TEST_F(EconomyTest, ARepairStopsAtFullHealth) {
    const int unit = Place(1, 1, 0, kTank);
    game.state.units[unit].health = 7;
    game.state.players[0].energy = 45;
    EXPECT_EQ(RepairWithEnergy(game, unit, 0), 3);
    EXPECT_EQ(game.state.players[0].energy, 39);
}

TEST_F(EconomyTest, TheCapCountsNonBaseUnitsOnly) {
    game.unitCap = UnitCapForMapSize(45);
    for (int i = 0; i < 39; ++i) Place(i % 27, 2 + i / 27, 0, kStandard);
    for (int i = 0; i < 5; ++i) Place(i, 10, 0, kBase);
    EXPECT_TRUE(BelowUnitCap(game, 0));
    Place(20, 20, 0, kAir);
    EXPECT_FALSE(BelowUnitCap(game, 0));
}

}  // namespace
