// The human player's orders: selecting, the right-click actions, buying, the
// panel's unit commands and the searches for the next unit.
#include "game/economy.h"
#include "game/orders.h"
#include "game/unit_types.h"
#include "game/visibility.h"
#include "rules_fixture.h"

namespace {

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

// Every moving type moves once, with its own sound, as far as its speed or a
// single step, and keeps its attack; a click on its own tile or one step past
// its reach does nothing.
TEST_F(OrdersTest, ARightClickMovesOnceAndLeavesTheAttack) {
    const std::tuple<int, int, const char*> movers[] = {{kStandard, 6, "Sounds\\Move-Standard.wav"},
                                                        {kAir, 10, "Sounds\\Move-Air.wav"},
                                                        {kTank, 1, "Sounds\\Move-Tank.wav"}};
    for (const auto& [type, steps, sound] : movers) {
        const int unit = Place(4, 4, 0, type);
        SelectSlot(unit);
        RightClick(4, 4);
        RightClick(4, 5 + TypeSpeed(type));
        EXPECT_EQ(U(unit).y, 4) << type;
        RightClick(4, 4 + steps);
        EXPECT_EQ(U(unit).y, 4 + steps) << type;
        EXPECT_EQ(U(unit).canMove + 2 * U(unit).canAttack, 2);
        EXPECT_EQ(sounds, (Sounds{sound}));
        RightClick(4, 5 + steps);  // no second move
        EXPECT_EQ(U(unit).y, 4 + steps);
        U(unit).state = kFree;
    }
}

TEST_F(OrdersTest, AnAttackUsesUpTheAttackButNotTheMove) {
    const int tank = Place(5, 5, 0, kTank);
    const int enemy = Place(6, 6, 1, kStandard);
    SelectSlot(tank);
    ASSERT_EQ(game.map.tiles[6][6].attackMark, 1);
    RightClick(6, 6);
    EXPECT_LT(U(enemy).health, 10);
    EXPECT_EQ(U(tank).canAttack * 2 + U(tank).canMove, 1);
    EXPECT_EQ(game.map.tiles[6][6].attackMark, 0);
}

// A base buys a STANDARD unit for 100 on its ring; the cap (40 on a map of
// 45) is tested before the energy, and a full unit table refuses like the cap.
TEST_F(OrdersTest, ABaseBuysAStandardUnitBelowTheCapForItsPrice) {
    struct Case { int units, energy; const char* refusal; };
    const Case cases[] = {
        {39, 99, "NOT ENOUGH ENERGY"}, {39, 100, nullptr}, {40, 5, "MAX UNITS REACHED"},
        {kMaxUnits - 2, 500, "MAX UNITS REACHED"},  // every other slot taken by enemy bases
    };
    game.map.mapSize = 45, game.unitCap = UnitCapForMapSize(45);
    for (const Case& c : cases) {
        for (Unit& u : game.state.units)
            if (&u != &U(ownBase) && &u != &U(enemyBase)) u.state = kFree;
        const bool fillTable = c.units > 40;
        for (int i = 0; i < c.units; ++i)
            Place(10 + i % 30, 10 + i / 30, fillTable ? 1 : 0, fillTable ? kBase : kStandard);
        P(0).energy = c.energy;
        SelectSlot(ownBase);
        RightClick(3, 3);
        if (c.refusal) {
            EXPECT_EQ(game.statusMessage, c.refusal) << c.units << " " << c.energy;
            EXPECT_EQ(P(0).energy, c.energy);
            EXPECT_EQ(sounds, (Sounds{kBuzzerSound}));
            EXPECT_EQ(game.selectedUnit, ownBase);
            continue;
        }
        const int bought = game.selectedUnit;  // selected at once, ready to act
        EXPECT_EQ(U(bought), (Unit{kActive, kStandard, 0, 10, 3, 3, 0, 1, 1}));
        EXPECT_EQ(P(0).energy, 0);
        EXPECT_EQ(game.map.tiles[3][4].reach, 1);
        EXPECT_EQ(Offered(), (std::vector<int>{kAir, kTank, kArtillery}));
        EXPECT_EQ(sounds, (Sounds{"Sounds\\Select-Unit.wav"}));
    }
}

TEST_F(OrdersTest, EachUnitIsOfferedTheTypesItMayBecome) {
    struct Case { int type, terrain, canAttack; std::vector<int> offered; };
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
        U(unit).canAttack = c.canAttack, U(unit).health = 3;
        SelectSlot(unit);
        EXPECT_EQ(Offered(), c.offered) << "type " << c.type << " on " << c.terrain;
        EXPECT_EQ(game.panel.repairShown, c.canAttack == 1) << "type " << c.type;
        U(unit).state = kFree;
    }
}

TEST_F(OrdersTest, AChangeOfTypeUsesTheAttackKeepsHealthAndTheMoveAndWidensTheSight) {
    const int unit = Place(5, 5, 0, kStandard);
    U(unit).health = 7;
    SelectSlot(unit);
    ChangeType(game, kBase);  // not on offer: ignored
    EXPECT_EQ(U(unit).type, kStandard);
    EXPECT_EQ(game.visibleTiles[15][5], 0);
    game.panel.miniMapStale = false;
    ChangeType(game, kAir);
    EXPECT_EQ(U(unit).health * 10 + U(unit).canAttack, 70);
    EXPECT_EQ(game.visibleTiles[15][5], 1);
    EXPECT_TRUE(game.panel.miniMapStale);
    EXPECT_EQ(game.map.tiles[5][15].reach, 10);  // moves with the new speed
}

// Repair is offered at the price of the whole damage while the unit is hurt
// and two energy pay for a point; it heals as far as the energy goes.
TEST_F(OrdersTest, RepairIsOfferedAtTheFullPriceAndMayBePartial) {
    P(0).powerLevel = 40;
    const int unit = Place(5, 5, 0, kStandard);
    const int offers[][3] = {{39, 2, 1}, {39, 1, 0}, {40, 100, 0}};  // health, energy, offered
    for (const auto& [health, energy, offered] : offers) {
        U(unit).health = health, P(0).energy = energy;
        SelectSlot(unit);
        EXPECT_EQ(game.panel.repairShown, offered == 1) << health << " " << energy;
    }
    U(unit).health = 10, P(0).energy = 45;
    SelectSlot(unit);
    EXPECT_EQ(game.panel.repairLabel, "REPAIR FOR 60");
    Repair(game);
    EXPECT_EQ(game.statusMessage, "22 SHIELDS REPAIRED");
    EXPECT_EQ(U(unit).health * 10 + U(unit).canAttack, 320);
    EXPECT_FALSE(game.panel.repairShown);
}

// The power button offers the next step for 25 times the new level until the
// ceiling of 990; a step heals every own unit by the step, and spending never
// touches the score.
TEST_F(OrdersTest, ThePowerButtonOffersTheNextStepUpToTheCeiling) {
    struct Case { int level, energy, after; const char *label, *refusal; };
    const Case cases[] = {
        {10, 500, 20, "30 POWER FOR 750", nullptr},
        {10, 499, 10, "20 POWER FOR 500", "NOT ENOUGH ENERGY"},
        {980, 24750, 990, "HIDDEN", nullptr},
        {990, 99999, 990, "HIDDEN", nullptr},  // a stray click at the ceiling does nothing
    };
    const int hurt = Place(6, 5, 0, kStandard);
    const int wreck = Place(7, 5, 0, kStandard);
    const int enemy = Place(8, 5, 1, kStandard);
    U(wreck).state = kDestroyed;
    for (const Case& c : cases) {
        P(0).powerLevel = c.level, P(0).energy = c.energy;
        U(hurt).health = U(wreck).health = U(enemy).health = 4;
        game.statusMessage.clear(), sounds.clear();
        RaisePower(game);
        const int paid = c.after > c.level ? c.energy : 0;
        EXPECT_EQ(P(0).powerLevel * 100000 + P(0).energy, c.after * 100000 + c.energy - paid) << c.level;
        EXPECT_EQ(U(hurt).health, 4 + c.after - c.level);
        EXPECT_EQ(U(wreck).health + U(enemy).health, 8);
        EXPECT_EQ(game.panel.powerShown ? game.panel.powerLabel : "HIDDEN", c.label);
        EXPECT_EQ(game.statusMessage, c.refusal ? c.refusal : "");
        EXPECT_EQ(sounds, c.refusal ? Sounds{kBuzzerSound} : Sounds{});
    }
    EXPECT_EQ(P(0).score, 0);
}

// The searches go on from a shared cursor, wrap after the last slot and centre
// the view on the unit as far as the map's border allows.
TEST_F(OrdersTest, TheSearchesWrapShareTheCursorAndCentreTheView) {
    // Units ready to move and attack in chosen slots, whatever the lowest free slot is.
    const auto put = [this](int slot, int x, int y, int owner, int type) {
        U(slot) = Unit{kActive, type, owner, 10, x, y, 0, 1, 1};
    };
    put(0, 13, 13, 0, kStandard);  // in place of the own base
    put(239, 26, 26, 0, kStandard);
    put(7, 1, 2, 0, kTank);
    put(8, 21, 20, 0, kBase);  // bases are never picked, whatever their flag
    put(9, 22, 20, 1, kStandard);
    put(10, 23, 20, 0, kArtillery);  // nor is a unit that cannot move
    const int picks[][3] = {{7, 0, 0}, {239, 14, 15}, {0, 7, 7}, {7, 0, 0}};  // slot, view
    for (const auto& [slot, x, y] : picks) {
        EXPECT_TRUE(NextMovableUnit(game));
        EXPECT_EQ(game.selectedUnit, slot);
        EXPECT_EQ(game.scrollX * 100 + game.scrollY, x * 100 + y) << slot;
    }
    EXPECT_EQ(game.map.tiles[1][3].reach, 1);  // the selection's markers are shown
    EXPECT_TRUE(NextAttackingUnit(game));  // the attack search takes bases
    EXPECT_EQ(game.selectedUnit, 8);
    U(10).canAttack = 0;
    EXPECT_TRUE(NextAttackingUnit(game));  // but not a unit whose attack is spent
    EXPECT_EQ(game.selectedUnit, 239);
    EXPECT_TRUE(NextMovableUnit(game));  // and moves the shared cursor on
    EXPECT_EQ(game.selectedUnit, 0);
    EXPECT_TRUE(sounds.empty());
    // Nothing left to move: the selection and the view stay.
    for (int slot : {0, 7, 239}) U(slot).canMove = 0;
    game.scrollX = 3, game.scrollY = 4;
    EXPECT_FALSE(NextMovableUnit(game));
    EXPECT_EQ(game.statusMessage, "ALL UNITS CHECKED");
    EXPECT_EQ(sounds, (Sounds{kBuzzerSound}));
    EXPECT_EQ(game.selectedUnit, 0);
    EXPECT_EQ(game.scrollX * 10 + game.scrollY, 34);
}

}  // namespace
