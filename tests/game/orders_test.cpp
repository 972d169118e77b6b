// The human player's orders: selecting, the right-click actions, buying, the
// panel's unit commands and the searches for the next unit.
#include "game/combat.h"
#include "game/economy.h"
#include "game/orders.h"
#include "game/unit_types.h"
#include "game/visibility.h"
#include "rules_fixture.h"

namespace {

const std::string kBuzzer = "Sounds\\Buzzer.wav";

class OrdersTest : public RulesTest {
protected:
    void SetUp() override {
        RulesTest::SetUp();
        ownBase = Place(2, 2, 0, kBase);
        enemyBase = Place(24, 24, 1, kBase);
        ComputeVisibility(game);
    }
    void LeftClick(int x, int y) { MapClick(game, kLeftButton, x, y); }
    void RightClick(int x, int y) { MapClick(game, kRightButton, x, y); }
    void SelectSlot(int slot) {
        const Unit& u = game.state.units[slot];
        ComputeVisibility(game);
        LeftClick(u.x, u.y);
        ASSERT_EQ(game.selectedUnit, slot);
        sounds.clear();
    }
    bool TypeShown(int type) const {
        for (size_t i = 0; i < kPanelTypes.size(); ++i)
            if (kPanelTypes[i] == type) return game.panel.typeShown[i];
        return false;
    }
    int ShownTypes() const {
        int n = 0;
        for (bool shown : game.panel.typeShown) n += shown;
        return n;
    }
    Unit& U(int slot) { return game.state.units[slot]; }
    Player& P(int seat) { return game.state.players[seat]; }
    int ownBase = -1;
    int enemyBase = -1;
};

TEST_F(OrdersTest, ALeftClickSelectsWhatCanBeSeen) {
    LeftClick(2, 2);
    EXPECT_EQ(game.unitSelected, 1);
    EXPECT_EQ(game.selectedUnit, ownBase);
    const int unit = Place(4, 4, 0, kTank);
    LeftClick(4, 4);
    EXPECT_EQ(game.selectedUnit, unit);
    EXPECT_EQ(sounds, (std::vector<std::string>{"Sounds\\Select-Base.wav", "Sounds\\Select-Unit.wav"}));
}

TEST_F(OrdersTest, AnEnemyInSightMayBeInspected) {
    const int enemy = Place(5, 5, 1, kStandard);
    LeftClick(5, 5);
    EXPECT_EQ(game.selectedUnit, enemy);
    EXPECT_EQ(game.map.tiles[5][6].reach, 1);  // its reach is shown
    EXPECT_EQ(ShownTypes(), 0);                // but no commands for it
    RightClick(5, 6);
    EXPECT_EQ(U(enemy).y, 5);
}

TEST_F(OrdersTest, FogHidesUnitsFromSelection) {
    LeftClick(2, 2);
    Place(20, 5, 1, kStandard);  // far outside every sight
    LeftClick(20, 5);
    EXPECT_EQ(game.unitSelected, 0);
    LeftClick(3, 3);  // an empty tile clears the selection too
    EXPECT_EQ(game.unitSelected, 0);
    EXPECT_EQ(game.map.tiles[2][3].buildMark, 0);
}

TEST_F(OrdersTest, ARightClickMovesOnceAndLeavesTheAttack) {
    const int tank = Place(4, 4, 0, kTank);
    SelectSlot(tank);
    RightClick(4, 6);
    EXPECT_EQ(U(tank).x, 4);
    EXPECT_EQ(U(tank).y, 6);
    EXPECT_EQ(U(tank).canMove, 0);
    EXPECT_EQ(U(tank).canAttack, 1);
    EXPECT_EQ(sounds, (std::vector<std::string>{"Sounds\\Move-Tank.wav"}));
    RightClick(4, 7);  // no second move
    EXPECT_EQ(U(tank).y, 6);
    EXPECT_EQ(game.map.tiles[4][7].reach, -1);
}

TEST_F(OrdersTest, MovesSoundByType) {
    const int standard = Place(4, 4, 0, kStandard);
    const int air = Place(5, 4, 0, kAir);
    SelectSlot(standard);
    RightClick(4, 8);
    SelectSlot(air);
    sounds.clear();
    RightClick(5, 12);
    EXPECT_EQ(sounds, (std::vector<std::string>{"Sounds\\Move-Air.wav"}));
}

TEST_F(OrdersTest, RightClicksNeedAUnitOfOnesOwn) {
    const int enemy = Place(5, 5, 1, kTank);
    const int mine = Place(5, 6, 0, kStandard);
    SelectSlot(enemy);
    RightClick(5, 6);
    EXPECT_EQ(U(mine).health, 10);
    RightClick(6, 5);
    EXPECT_EQ(U(enemy).x, 5);
    EXPECT_TRUE(sounds.empty());
}

TEST_F(OrdersTest, AnAttackUsesUpTheAttackAndRefreshesTheMarkers) {
    const int tank = Place(5, 5, 0, kTank);
    const int enemy = Place(6, 6, 1, kStandard);
    U(enemy).health = 100;
    SelectSlot(tank);
    ASSERT_EQ(game.map.tiles[6][6].attackMark, 1);
    game.rng.Seed(5);
    const uint32_t after = StateAfter(1);
    RightClick(6, 6);
    EXPECT_EQ(game.rng.state, after);
    EXPECT_LT(U(enemy).health, 100);
    EXPECT_EQ(U(tank).canAttack, 0);
    EXPECT_EQ(U(tank).canMove, 1);
    EXPECT_EQ(game.map.tiles[6][6].attackMark, 0);
    EXPECT_EQ(sounds.front(), "Sounds\\Attack-Tank.wav");
}

TEST_F(OrdersTest, AFreeAttackKeepsTheAttackMarkers) {
    P(0).faction = kRaptor;
    const int raptor = Place(5, 5, 0, kStandard);
    const int enemy = Place(6, 5, 1, kStandard);
    U(enemy).health = 100;
    SelectSlot(raptor);
    SeedSo([](Rng& r) {
        r.Draw();
        return Percentile(r.Draw()) < kFreeAttackChance;
    });
    RightClick(6, 5);
    EXPECT_EQ(U(raptor).canAttack, 1);
    EXPECT_EQ(game.map.tiles[6][5].attackMark, 1);
}

TEST_F(OrdersTest, ABaseBuysAStandardUnitThatMayActAtOnce) {
    P(0).energy = 250;
    SelectSlot(ownBase);
    ASSERT_EQ(game.map.tiles[3][3].buildMark, 1);
    RightClick(3, 3);
    const int bought = game.selectedUnit;
    EXPECT_NE(bought, ownBase);
    EXPECT_EQ(U(bought).type, kStandard);
    EXPECT_EQ(U(bought).x, 3);
    EXPECT_EQ(U(bought).health, 10);
    EXPECT_EQ(P(0).energy, 150);
    EXPECT_EQ(game.map.tiles[3][4].reach, 1);  // the new unit's markers
    EXPECT_TRUE(TypeShown(kAir));
    EXPECT_EQ(sounds, (std::vector<std::string>{"Sounds\\Select-Unit.wav"}));
}

TEST_F(OrdersTest, TheUnitCapIsTestedBeforeTheEnergy) {
    game.map.mapSize = 45;
    game.unitCap = UnitCapForMapSize(45);
    for (int i = 0; i < 39; ++i) Place(10 + i % 20, 10 + i / 20, 0, kStandard);
    P(0).energy = 99;
    SelectSlot(ownBase);
    RightClick(3, 3);
    EXPECT_EQ(game.statusMessage, "NOT ENOUGH ENERGY");
    P(0).energy = 5000;
    RightClick(3, 3);
    EXPECT_EQ(CountUnits(game, 0), 40);
    SelectSlot(ownBase);
    P(0).energy = 5;
    RightClick(1, 1);
    EXPECT_EQ(game.statusMessage, "MAX UNITS REACHED");
    EXPECT_EQ(P(0).energy, 5);
    EXPECT_EQ(CountUnits(game, 0), 40);
    EXPECT_EQ(sounds, (std::vector<std::string>{kBuzzer}));
    EXPECT_EQ(game.selectedUnit, ownBase);
}

TEST_F(OrdersTest, AFullUnitTableRefusesThePurchaseLikeTheCap) {
    for (int i = 2; i < kMaxUnits; ++i) Place(10 + i % 15, 10 + (i / 15) % 15, 1, kBase);
    P(0).energy = 500;
    SelectSlot(ownBase);
    RightClick(3, 3);
    EXPECT_EQ(game.statusMessage, "MAX UNITS REACHED");
    EXPECT_EQ(P(0).energy, 500);
    EXPECT_EQ(game.selectedUnit, ownBase);
    EXPECT_EQ(sounds, (std::vector<std::string>{kBuzzer}));
}

TEST_F(OrdersTest, StandardUnitsBecomeBasesOnlyOnClearings) {
    const int unit = Place(5, 5, 0, kStandard);
    SelectSlot(unit);
    EXPECT_TRUE(TypeShown(kAir) && TypeShown(kTank) && TypeShown(kArtillery));
    EXPECT_FALSE(TypeShown(kBase));
    EXPECT_FALSE(TypeShown(kStandard));
    ChangeType(game, kBase);  // not on offer: ignored
    EXPECT_EQ(U(unit).type, kStandard);
    SetTerrain(5, 5, kClearing);
    SelectSlot(unit);
    ASSERT_TRUE(TypeShown(kBase));
    ChangeType(game, kBase);
    EXPECT_EQ(U(unit).type, kBase);
    EXPECT_EQ(U(unit).canMove, 0);
    EXPECT_EQ(U(unit).canAttack, 0);
    EXPECT_EQ(ShownTypes(), 0);
}

TEST_F(OrdersTest, AirOverWaterOrRoughGroundCannotLand) {
    const int air = Place(5, 5, 0, kAir);
    SetTerrain(5, 5, kWater);
    SelectSlot(air);
    EXPECT_EQ(ShownTypes(), 0);
    SetTerrain(5, 5, kRough);
    SelectSlot(air);
    EXPECT_EQ(ShownTypes(), 0);
    SetTerrain(5, 5, kCrossingHorizontal);
    SelectSlot(air);
    EXPECT_TRUE(TypeShown(kStandard));
    EXPECT_EQ(ShownTypes(), 1);
}

TEST_F(OrdersTest, TanksAndArtilleryOnlyGoBackToStandardAndBasesNowhere) {
    const int tank = Place(5, 5, 0, kTank);
    const int gun = Place(6, 5, 0, kArtillery);
    SelectSlot(tank);
    EXPECT_TRUE(TypeShown(kStandard));
    EXPECT_EQ(ShownTypes(), 1);
    SelectSlot(gun);
    EXPECT_TRUE(TypeShown(kStandard));
    EXPECT_EQ(ShownTypes(), 1);
    SelectSlot(ownBase);
    EXPECT_EQ(ShownTypes(), 0);
}

TEST_F(OrdersTest, AChangeOfTypeKeepsHealthAndTheMoveAndWidensTheSight) {
    const int unit = Place(5, 5, 0, kStandard);
    U(unit).health = 7;
    SelectSlot(unit);
    EXPECT_EQ(game.visibleTiles[15][5], 0);
    game.panel.miniMapStale = false;
    ChangeType(game, kAir);
    EXPECT_EQ(U(unit).health, 7);
    EXPECT_EQ(U(unit).canMove, 1);
    EXPECT_EQ(game.visibleTiles[15][5], 1);
    EXPECT_TRUE(game.panel.miniMapStale);
    EXPECT_EQ(game.map.tiles[5][15].reach, 10);  // moves with the new speed
    EXPECT_FALSE(game.panel.repairShown);
}

TEST_F(OrdersTest, AUnitThatHasAttackedOffersNothing) {
    const int unit = Place(5, 5, 0, kStandard);
    U(unit).health = 3;
    U(unit).canAttack = 0;
    SelectSlot(unit);
    EXPECT_EQ(ShownTypes(), 0);
    EXPECT_FALSE(game.panel.repairShown);
}

TEST_F(OrdersTest, RepairIsOfferedAtTheFullPrice) {
    P(0).powerLevel = 40;
    const int unit = Place(5, 5, 0, kStandard);
    U(unit).health = 10;
    P(0).energy = 2;
    SelectSlot(unit);
    EXPECT_TRUE(game.panel.repairShown);
    EXPECT_EQ(game.panel.repairLabel, "REPAIR FOR 60");
    P(0).energy = 1;
    SelectSlot(unit);
    EXPECT_FALSE(game.panel.repairShown);
    U(unit).health = 40;
    P(0).energy = 100;
    SelectSlot(unit);
    EXPECT_FALSE(game.panel.repairShown);
}

TEST_F(OrdersTest, APartialRepairUsesUpTheAction) {
    P(0).powerLevel = 40;
    const int unit = Place(5, 5, 0, kStandard);
    U(unit).health = 10;
    P(0).energy = 45;
    SelectSlot(unit);
    Repair(game);
    EXPECT_EQ(game.statusMessage, "22 SHIELDS REPAIRED");
    EXPECT_EQ(U(unit).health, 32);
    EXPECT_EQ(P(0).energy, 1);
    EXPECT_EQ(U(unit).canAttack, 0);
    EXPECT_FALSE(game.panel.repairShown);
    EXPECT_EQ(ShownTypes(), 0);
}

TEST_F(OrdersTest, ThePowerButtonOffersTheNextStep) {
    SetPowerButton(game);
    EXPECT_TRUE(game.panel.powerShown);
    EXPECT_EQ(game.panel.powerLabel, "20 POWER FOR 500");
    const int unit = Place(5, 5, 0, kStandard);
    P(0).energy = 600;
    RaisePower(game);
    EXPECT_EQ(P(0).powerLevel, 20);
    EXPECT_EQ(U(unit).health, 20);  // full health stays full
    EXPECT_EQ(game.panel.powerLabel, "30 POWER FOR 750");
    RaisePower(game);
    EXPECT_EQ(game.statusMessage, "NOT ENOUGH ENERGY");
    EXPECT_EQ(sounds, (std::vector<std::string>{kBuzzer}));
    EXPECT_EQ(P(0).powerLevel, 20);
    EXPECT_EQ(P(0).energy, 100);
}

TEST_F(OrdersTest, ThePowerButtonGoesAtTheCeiling) {
    P(0).powerLevel = 980;
    P(0).energy = 30000;
    SetPowerButton(game);
    EXPECT_EQ(game.panel.powerLabel, "990 POWER FOR 24750");
    RaisePower(game);
    EXPECT_EQ(P(0).powerLevel, 990);
    EXPECT_FALSE(game.panel.powerShown);
    RaisePower(game);  // a stray click at the ceiling does nothing
    EXPECT_EQ(P(0).energy, 30000 - 24750);
    EXPECT_TRUE(sounds.empty());
}

class SearchTest : public OrdersTest {
protected:
    void PutInSlot(int slot, int x, int y, int owner, int type) {
        Unit& u = U(slot);
        u = Unit{};
        u.state = kActive;
        u.type = type;
        u.owner = owner;
        u.health = 10;
        u.x = x;
        u.y = y;
        u.canAttack = 1;
        u.canMove = type == kBase ? 0 : 1;
    }
};

TEST_F(SearchTest, TheMoveSearchWrapsAtTheLastSlot) {
    U(ownBase).canMove = 1;  // bases are never picked, whatever their flag
    PutInSlot(239, 13, 13, 0, kStandard);
    PutInSlot(7, 20, 20, 0, kTank);
    PutInSlot(8, 21, 20, 0, kArtillery);
    PutInSlot(9, 22, 20, 1, kStandard);
    PutInSlot(10, 23, 20, 0, kStandard);
    U(10).canMove = 0;
    EXPECT_TRUE(NextMovableUnit(game));
    EXPECT_EQ(game.selectedUnit, 7);
    EXPECT_TRUE(NextMovableUnit(game));
    EXPECT_EQ(game.selectedUnit, 239);
    EXPECT_EQ(game.nextUnitCursor, 239);
    EXPECT_TRUE(NextMovableUnit(game));
    EXPECT_EQ(game.selectedUnit, 7);
    EXPECT_TRUE(sounds.empty());
}

TEST_F(SearchTest, SlotZeroIsLookedAtLast) {
    PutInSlot(0, 5, 5, 0, kStandard);
    PutInSlot(5, 6, 5, 0, kStandard);
    EXPECT_TRUE(NextMovableUnit(game));
    EXPECT_EQ(game.selectedUnit, 5);
    EXPECT_TRUE(NextMovableUnit(game));
    EXPECT_EQ(game.selectedUnit, 0);
}

TEST_F(SearchTest, TheAttackSearchTakesBasesAndSharesTheCursor) {
    PutInSlot(5, 6, 5, 0, kArtillery);
    PutInSlot(6, 7, 5, 0, kStandard);
    U(6).canAttack = 0;
    EXPECT_TRUE(NextAttackingUnit(game));
    EXPECT_EQ(game.selectedUnit, 5);
    EXPECT_TRUE(NextAttackingUnit(game));
    EXPECT_EQ(game.selectedUnit, ownBase);
    EXPECT_TRUE(NextMovableUnit(game));  // goes on from the base's slot
    EXPECT_EQ(game.selectedUnit, 6);
}

TEST_F(SearchTest, NothingLeftKeepsTheSelectionAndTheView) {
    LeftClick(2, 2);
    sounds.clear();
    game.scrollX = 3;
    game.scrollY = 4;
    EXPECT_FALSE(NextMovableUnit(game));
    EXPECT_EQ(game.statusMessage, "ALL UNITS CHECKED");
    EXPECT_EQ(sounds, (std::vector<std::string>{kBuzzer}));
    EXPECT_EQ(game.unitSelected, 1);
    EXPECT_EQ(game.selectedUnit, ownBase);
    EXPECT_EQ(game.scrollX, 3);
    EXPECT_EQ(game.scrollY, 4);
}

TEST_F(SearchTest, TheViewCentresOnTheUnitButStopsAtTheBorder) {
    PutInSlot(5, 13, 13, 0, kStandard);
    PutInSlot(6, 26, 26, 0, kStandard);
    PutInSlot(7, 1, 2, 0, kStandard);
    NextMovableUnit(game);
    EXPECT_EQ(game.scrollX, 7);
    EXPECT_EQ(game.scrollY, 7);
    NextMovableUnit(game);
    EXPECT_EQ(game.scrollX, 14);
    EXPECT_EQ(game.scrollY, 15);
    NextMovableUnit(game);
    EXPECT_EQ(game.scrollX, 0);
    EXPECT_EQ(game.scrollY, 0);
    EXPECT_EQ(game.map.tiles[1][3].reach, 1);  // the selection's markers are shown
}

}  // namespace
