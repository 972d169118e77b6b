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
        ComputeVisibility(game);
        LeftClick(U(slot).x, U(slot).y);
        ASSERT_EQ(game.selectedUnit, slot);
        sounds.clear();
    }
    // The unit types the panel offers, in panel order.
    std::vector<int> Offered() const {
        std::vector<int> types;
        for (size_t i = 0; i < kPanelTypes.size(); ++i)
            if (game.panel.typeShown[i]) types.push_back(kPanelTypes[i]);
        return types;
    }
    int ownBase = -1;
    int enemyBase = -1;
};

TEST_F(OrdersTest, ALeftClickSelectsWhatCanBeSeen) {
    LeftClick(2, 2);
    EXPECT_EQ(game.selectedUnit, ownBase);
    const int unit = Place(4, 4, 0, kTank);
    LeftClick(4, 4);
    EXPECT_EQ(game.selectedUnit, unit);
    EXPECT_EQ(sounds, (Sounds{"Sounds\\Select-Base.wav", "Sounds\\Select-Unit.wav"}));
    // An enemy in sight may be inspected: its reach is shown, no commands.
    const int enemy = Place(5, 5, 1, kStandard);
    LeftClick(5, 5);
    EXPECT_EQ(game.selectedUnit, enemy);
    EXPECT_EQ(game.map.tiles[5][6].reach, 1);
    EXPECT_TRUE(Offered().empty());
    RightClick(5, 6);
    EXPECT_EQ(U(enemy).y, 5);
    // Fog hides units far outside every sight; an empty tile clears too.
    Place(20, 5, 1, kStandard);
    LeftClick(20, 5);
    EXPECT_EQ(game.unitSelected, 0);
    LeftClick(2, 2);
    LeftClick(3, 3);
    EXPECT_EQ(game.unitSelected, 0);
    EXPECT_EQ(game.map.tiles[2][3].buildMark, 0);
}

TEST_F(OrdersTest, ARightClickMovesOnceAndLeavesTheAttack) {
    const int tank = Place(4, 4, 0, kTank);
    const int air = Place(5, 4, 0, kAir);
    SelectSlot(tank);
    RightClick(4, 6);
    EXPECT_EQ(U(tank).y, 6);
    EXPECT_EQ(U(tank).canMove, 0);
    EXPECT_EQ(U(tank).canAttack, 1);
    EXPECT_EQ(sounds, (Sounds{"Sounds\\Move-Tank.wav"}));
    RightClick(4, 7);  // no second move
    EXPECT_EQ(U(tank).y, 6);
    EXPECT_EQ(game.map.tiles[4][7].reach, -1);
    SelectSlot(air);
    RightClick(5, 12);
    EXPECT_EQ(sounds, (Sounds{"Sounds\\Move-Air.wav"}));
}

TEST_F(OrdersTest, AnAttackUsesUpTheAttackUnlessItComesFree) {
    const int tank = Place(5, 5, 0, kTank);
    const int enemy = Place(6, 6, 1, kStandard);
    P(1).powerLevel = 100;
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

    P(0).faction = kRaptor;
    const int raptor = Place(7, 7, 0, kStandard);
    SelectSlot(raptor);
    SeedWhere(
        [=](Game& g) {
            g.state.units[raptor].canAttack = 0;
            Attack(g, raptor, enemy);
        },
        [=](const Game& g) { return g.state.units[raptor].canAttack == 1; });
    RightClick(6, 6);
    EXPECT_EQ(U(raptor).canAttack, 1);
    EXPECT_EQ(game.map.tiles[6][6].attackMark, 1);
}

TEST_F(OrdersTest, ABaseBuysAStandardUnitButTheCapIsTestedBeforeTheEnergy) {
    game.map.mapSize = 45;
    game.unitCap = UnitCapForMapSize(45);
    for (int i = 0; i < 39; ++i) Place(10 + i % 20, 10 + i / 20, 0, kStandard);
    P(0).energy = 99;
    SelectSlot(ownBase);
    RightClick(3, 3);
    EXPECT_EQ(game.statusMessage, "NOT ENOUGH ENERGY");
    P(0).energy = 100;  // exactly the price
    RightClick(3, 3);
    const int bought = game.selectedUnit;  // selected at once, ready to act
    EXPECT_EQ(U(bought).type, kStandard);
    EXPECT_EQ(U(bought).x * 10 + U(bought).y, 33);
    EXPECT_EQ(P(0).energy, 0);
    EXPECT_EQ(game.map.tiles[3][4].reach, 1);
    EXPECT_EQ(Offered(), (std::vector<int>{kAir, kTank, kArtillery}));
    EXPECT_EQ(sounds, (Sounds{kBuzzer, "Sounds\\Select-Unit.wav"}));
    EXPECT_EQ(CountUnits(game, 0), 40);
    SelectSlot(ownBase);
    P(0).energy = 5;
    RightClick(1, 1);
    EXPECT_EQ(game.statusMessage, "MAX UNITS REACHED");
    EXPECT_EQ(P(0).energy, 5);
    EXPECT_EQ(CountUnits(game, 0), 40);
    EXPECT_EQ(sounds, (Sounds{kBuzzer}));
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
    EXPECT_EQ(sounds, (Sounds{kBuzzer}));
}

TEST_F(OrdersTest, EachUnitIsOfferedTheTypesItMayBecome) {
    struct Case {
        int type, terrain, canAttack;
        std::vector<int> offered;
    };
    const Case cases[] = {
        {kStandard, kLand, 1, {kAir, kTank, kArtillery}},
        {kStandard, kClearing, 1, {kBase, kAir, kTank, kArtillery}},
        {kStandard, kLand, 0, {}},  // has attacked
        {kAir, kWater, 1, {}},
        {kAir, kRough, 1, {}},
        {kAir, kCrossingHorizontal, 1, {kStandard}},
        {kTank, kLand, 1, {kStandard}},
        {kArtillery, kLand, 1, {kStandard}},
        {kBase, kClearing, 1, {}},
    };
    for (const Case& c : cases) {
        SetTerrain(5, 5, c.terrain);
        const int unit = Place(5, 5, 0, c.type);
        U(unit).canAttack = c.canAttack;
        U(unit).health = 3;
        SelectSlot(unit);
        EXPECT_EQ(Offered(), c.offered) << "type " << c.type << " on " << c.terrain;
        EXPECT_EQ(game.panel.repairShown, c.canAttack == 1) << "type " << c.type;
        U(unit).state = kFree;
    }
}

TEST_F(OrdersTest, AChangeOfTypeKeepsHealthAndTheMoveAndWidensTheSight) {
    const int unit = Place(5, 5, 0, kStandard);
    U(unit).health = 7;
    SelectSlot(unit);
    ChangeType(game, kBase);  // not on offer: ignored
    EXPECT_EQ(U(unit).type, kStandard);
    EXPECT_EQ(game.visibleTiles[15][5], 0);
    game.panel.miniMapStale = false;
    ChangeType(game, kAir);
    EXPECT_EQ(U(unit).health, 7);
    EXPECT_EQ(U(unit).canMove, 1);
    EXPECT_EQ(game.visibleTiles[15][5], 1);
    EXPECT_TRUE(game.panel.miniMapStale);
    EXPECT_EQ(game.map.tiles[5][15].reach, 10);  // moves with the new speed
    EXPECT_FALSE(game.panel.repairShown);

    const int settler = Place(8, 8, 0, kStandard);
    SetTerrain(8, 8, kClearing);
    SelectSlot(settler);
    ChangeType(game, kBase);
    EXPECT_EQ(U(settler).type, kBase);
    EXPECT_EQ(U(settler).canMove + U(settler).canAttack, 0);
    EXPECT_TRUE(Offered().empty());
}

TEST_F(OrdersTest, RepairIsOfferedAtTheFullPriceAndMayBePartial) {
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
    P(0).energy = 45;
    SelectSlot(unit);
    Repair(game);
    EXPECT_EQ(game.statusMessage, "22 SHIELDS REPAIRED");
    EXPECT_EQ(U(unit).health, 32);
    EXPECT_EQ(P(0).energy, 1);
    EXPECT_EQ(U(unit).canAttack, 0);
    EXPECT_FALSE(game.panel.repairShown);
    EXPECT_TRUE(Offered().empty());
    U(unit).health = 40;
    U(unit).canAttack = 1;
    P(0).energy = 100;
    SelectSlot(unit);
    EXPECT_FALSE(game.panel.repairShown);  // nothing to repair
}

TEST_F(OrdersTest, ThePowerButtonOffersTheNextStepUpToTheCeiling) {
    SetPowerButton(game);
    EXPECT_EQ(game.panel.powerLabel, "20 POWER FOR 500");
    const int full = Place(5, 5, 0, kStandard);
    const int hurt = Place(6, 5, 0, kStandard);
    const int wreck = Place(7, 5, 0, kStandard);
    const int enemy = Place(8, 5, 1, kStandard);
    U(hurt).health = 4;
    U(wreck).state = kDestroyed;
    P(0).energy = 600;
    RaisePower(game);
    EXPECT_EQ(P(0).powerLevel, 20);
    EXPECT_EQ(U(full).health, 20);  // every own unit heals by the step
    EXPECT_EQ(U(hurt).health, 14);
    EXPECT_EQ(U(wreck).health + U(enemy).health, 20);
    EXPECT_EQ(P(0).score, 0);  // spending never touches the score
    EXPECT_EQ(game.panel.powerLabel, "30 POWER FOR 750");
    RaisePower(game);
    EXPECT_EQ(game.statusMessage, "NOT ENOUGH ENERGY");
    EXPECT_EQ(sounds, (Sounds{kBuzzer}));
    EXPECT_EQ(P(0).powerLevel, 20);
    EXPECT_EQ(P(0).energy, 100);

    sounds.clear();
    P(0).powerLevel = 980;
    P(0).energy = 30000;
    SetPowerButton(game);
    EXPECT_TRUE(game.panel.powerShown);
    EXPECT_EQ(game.panel.powerLabel, "990 POWER FOR 24750");
    RaisePower(game);
    EXPECT_EQ(P(0).powerLevel, 990);
    EXPECT_FALSE(game.panel.powerShown);
    RaisePower(game);  // a stray click at the ceiling does nothing
    EXPECT_EQ(P(0).energy, 30000 - 24750);
    EXPECT_EQ(P(0).powerLevel, 990);
    EXPECT_TRUE(sounds.empty());
}

class SearchTest : public OrdersTest {
protected:
    // A new unit in the given slot, whatever the lowest free slot is.
    void PutInSlot(int slot, int x, int y, int owner, int type) {
        const int from = Place(x, y, owner, type);
        if (from == slot) return;
        U(slot) = U(from);
        U(from).state = kFree;
    }
};

TEST_F(SearchTest, TheMoveSearchWrapsAtTheLastSlotAndLooksAtSlotZeroLast) {
    PutInSlot(0, 5, 5, 0, kStandard);  // in place of the own base
    PutInSlot(239, 13, 13, 0, kStandard);
    PutInSlot(7, 20, 20, 0, kTank);
    PutInSlot(8, 21, 20, 0, kBase);
    U(8).canMove = 1;  // bases are never picked, whatever their flag
    PutInSlot(9, 22, 20, 1, kStandard);
    PutInSlot(10, 23, 20, 0, kStandard);
    U(10).canMove = 0;
    for (int expected : {7, 239, 0, 7}) {
        EXPECT_TRUE(NextMovableUnit(game));
        EXPECT_EQ(game.selectedUnit, expected);
        EXPECT_EQ(game.nextUnitCursor, expected);
    }
    EXPECT_TRUE(sounds.empty());
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

TEST_F(SearchTest, TheViewCentresOnTheUnitButStopsAtTheBorder) {
    PutInSlot(5, 13, 13, 0, kStandard);
    PutInSlot(6, 26, 26, 0, kStandard);
    PutInSlot(7, 1, 2, 0, kStandard);
    const int views[][2] = {{7, 7}, {14, 15}, {0, 0}};
    for (const auto& view : views) {
        NextMovableUnit(game);
        EXPECT_EQ(game.scrollX, view[0]);
        EXPECT_EQ(game.scrollY, view[1]);
    }
    EXPECT_EQ(game.map.tiles[1][3].reach, 1);  // the selection's markers are shown
    // Nothing left to move: the selection and the view stay.
    for (int slot : {5, 6, 7}) U(slot).canMove = 0;
    game.scrollX = 3;
    game.scrollY = 4;
    EXPECT_FALSE(NextMovableUnit(game));
    EXPECT_EQ(game.statusMessage, "ALL UNITS CHECKED");
    EXPECT_EQ(sounds, (Sounds{kBuzzer}));
    EXPECT_EQ(game.selectedUnit, 7);
    EXPECT_EQ(game.scrollX * 10 + game.scrollY, 34);
}

}  // namespace
