// Movement reach, build and attack markers, sight and the unit queries.
#include <cstdlib>

#include "game/markers.h"
#include "game/unit_types.h"
#include "game/visibility.h"
#include "rules_fixture.h"

namespace {

class ReachTest : public RulesTest {
protected:
    void Select(int slot) {
        game.selectedUnit = slot;
        game.unitSelected = 1;
        ClearMarkers(game);
        ComputeMarkers(game);
    }
    int Reach(int x, int y) const { return game.map.tiles[x][y].reach; }
    int CountReachable() const {
        int n = 0;
        for (int x = 0; x < game.map.mapSize; ++x)
            for (int y = 0; y < game.map.mapSize; ++y)
                if (Reach(x, y) > 0) ++n;
        return n;
    }
};

TEST_F(ReachTest, OpenGroundGivesADiamondOfSixSteps) {
    Select(Place(13, 13, 0, kStandard));
    for (int x = 0; x < 27; ++x) {
        for (int y = 0; y < 27; ++y) {
            const int steps = std::abs(x - 13) + std::abs(y - 13);
            const int expected = (steps >= 1 && steps <= 6) ? steps : -1;
            ASSERT_EQ(Reach(x, y), expected) << x << "," << y;
        }
    }
    // The unit's own tile is occupied, so it is no target either.
    EXPECT_EQ(Reach(13, 13), -1);
}

TEST_F(ReachTest, TankAndAirUseTheirOwnSpeeds) {
    const int tank = Place(13, 13, 0, kTank);
    Select(tank);
    EXPECT_EQ(CountReachable(), 12);  // 4 + 8 tiles within two steps
    EXPECT_EQ(Reach(13, 11), 2);
    EXPECT_EQ(Reach(13, 10), -1);
    game.state.units[tank].type = kAir;
    Select(tank);
    EXPECT_EQ(Reach(13, 3), 10);
    EXPECT_EQ(Reach(13, 2), -1);
}

TEST_F(ReachTest, AGroundUnitStopsNextToAnEnemy) {
    const int mover = Place(5, 13, 0, kStandard);
    Place(8, 13, 1, kStandard);
    Select(mover);
    EXPECT_EQ(Reach(7, 13), 6);    // entered, at the unit's full speed
    EXPECT_EQ(Reach(7, 12), 6);    // diagonal neighbours of the enemy count too
    EXPECT_EQ(Reach(6, 13), 1);
    EXPECT_EQ(Reach(8, 13), -1);   // the enemy's own tile
    EXPECT_EQ(Reach(10, 13), -1);  // five steps away, but only past the enemy
    EXPECT_EQ(Reach(5, 10), 3);    // away from the enemy nothing changes
}

TEST_F(ReachTest, AirFliesOnPastEnemies) {
    const int flyer = Place(5, 13, 0, kAir);
    Place(8, 13, 1, kStandard);
    Select(flyer);
    EXPECT_EQ(Reach(7, 13), 2);
    EXPECT_EQ(Reach(10, 13), 5);
    EXPECT_EQ(Reach(8, 13), -1);
}

TEST_F(ReachTest, ADestroyedEnemyBlocksNothing) {
    Select(Place(5, 13, 0, kStandard));
    const int enemy = Place(8, 13, 1, kStandard);
    game.state.units[enemy].state = kDestroyed;
    Select(0);
    EXPECT_EQ(Reach(7, 13), 2);
    EXPECT_EQ(Reach(8, 13), 3);
    EXPECT_EQ(Reach(10, 13), 5);
}

class WallTest : public ReachTest {
protected:
    // A river down column 6 with one gap at (6, 13), where a unit stands.
    void BuildRiver(int ownerInGap) {
        for (int y = 0; y < 27; ++y) SetTerrain(6, y, kWater);
        SetTerrain(6, 13, kLand);
        Place(6, 13, ownerInGap, kStandard);
    }
};

TEST_F(WallTest, GroundUnitsCrossOwnUnitsButCannotStopOnThem) {
    const int mover = Place(5, 13, 0, kStandard);
    BuildRiver(0);
    Select(mover);
    EXPECT_EQ(Reach(6, 13), -1);
    EXPECT_EQ(Reach(7, 13), 2);
    EXPECT_EQ(Reach(7, 10), 5);
    EXPECT_EQ(Reach(6, 12), -100);
}

TEST_F(WallTest, GroundUnitsNeverCrossAnEnemy) {
    const int mover = Place(5, 13, 0, kStandard);
    BuildRiver(1);
    Select(mover);
    EXPECT_EQ(Reach(6, 13), -1);
    for (int x = 7; x < 27; ++x)
        for (int y = 0; y < 27; ++y) ASSERT_LE(Reach(x, y), 0) << x << "," << y;
}

TEST_F(WallTest, AirCrossesWaterAndUnitsAndStopsOnNeither) {
    const int flyer = Place(5, 13, 0, kAir);
    BuildRiver(1);
    Select(flyer);
    EXPECT_EQ(Reach(6, 13), -1);
    EXPECT_EQ(Reach(6, 12), 2);  // hovering over water is allowed
    EXPECT_EQ(Reach(7, 13), 2);
}

TEST_F(ReachTest, WaterAndRoughGroundAreClosedToGroundUnits) {
    SetTerrain(13, 12, kWater);
    SetTerrain(13, 14, kRough);
    SetTerrain(20, 20, kWater);
    Place(20, 20, 1, kAir);  // an enemy hovering over water
    Select(Place(13, 13, 0, kStandard));
    EXPECT_EQ(Reach(13, 12), -100);
    EXPECT_EQ(Reach(13, 14), -100);
    EXPECT_EQ(Reach(20, 20), -1);  // held, so no target whatever lies beneath
    EXPECT_EQ(Reach(13, 11), 4);  // around the water: three steps wasted
    EXPECT_EQ(Reach(12, 13), 1);
}

TEST_F(ReachTest, CrossingsAndClearingsAreOrdinaryGround) {
    SetTerrain(13, 12, kCrossingVertical);
    SetTerrain(13, 11, kClearing);
    Select(Place(13, 13, 0, kStandard));
    EXPECT_EQ(Reach(13, 12), 1);
    EXPECT_EQ(Reach(13, 11), 2);
}

TEST_F(ReachTest, ArtilleryAndBasesNeverMove) {
    Select(Place(13, 13, 0, kArtillery));
    EXPECT_EQ(CountReachable(), 0);
    Select(Place(3, 3, 0, kBase));
    EXPECT_EQ(CountReachable(), 0);
}

TEST_F(ReachTest, NoReachOnceTheMoveIsUsed) {
    const int unit = Place(13, 13, 0, kStandard);
    game.state.units[unit].canMove = 0;
    Select(unit);
    EXPECT_EQ(CountReachable(), 0);
}

TEST_F(ReachTest, ABaseInACornerOffersTheThreeFreeTilesOfItsRing) {
    const int base = Place(0, 0, 0, kBase);
    Select(base);
    int marks = 0;
    for (int x = 0; x < 27; ++x)
        for (int y = 0; y < 27; ++y) marks += game.map.tiles[x][y].buildMark;
    EXPECT_EQ(marks, 3);
    EXPECT_EQ(game.map.tiles[1][1].buildMark, 1);
    EXPECT_EQ(game.map.tiles[0][0].buildMark, 0);
}

TEST_F(ReachTest, TheBuildRingSkipsLiveUnitsButNotExplosionsOrWater) {
    const int base = Place(5, 5, 0, kBase);
    Place(4, 4, 0, kStandard);
    const int wreck = Place(6, 6, 1, kStandard);
    game.state.units[wreck].state = kDestroyed;
    SetTerrain(5, 4, kWater);
    Select(base);
    EXPECT_EQ(game.map.tiles[4][4].buildMark, 0);
    EXPECT_EQ(game.map.tiles[6][6].buildMark, 1);
    EXPECT_EQ(game.map.tiles[5][4].buildMark, 1);
}

TEST_F(ReachTest, AnEnemyBaseOffersNoBuildTiles) {
    Select(Place(5, 5, 1, kBase));
    for (int x = 4; x <= 6; ++x)
        for (int y = 4; y <= 6; ++y) EXPECT_EQ(game.map.tiles[x][y].buildMark, 0);
}

TEST_F(ReachTest, TankAttackMarkersCoverTheFiveByFiveSquare) {
    const int tank = Place(10, 10, 0, kTank);
    Place(12, 12, 1, kStandard);
    Place(8, 11, 2, kStandard);
    Place(13, 10, 1, kStandard);
    Place(11, 10, 0, kStandard);
    OpenSeat(2, true);
    Select(tank);
    EXPECT_EQ(game.map.tiles[12][12].attackMark, 1);
    EXPECT_EQ(game.map.tiles[8][11].attackMark, 1);
    EXPECT_EQ(game.map.tiles[13][10].attackMark, 0);
    EXPECT_EQ(game.map.tiles[11][10].attackMark, 0);  // own units never
}

TEST_F(ReachTest, ArtilleryReachesSixTilesEveryWay) {
    const int gun = Place(10, 10, 0, kArtillery);
    Place(16, 4, 1, kStandard);
    Place(17, 10, 1, kStandard);
    Select(gun);
    EXPECT_EQ(game.map.tiles[16][4].attackMark, 1);
    EXPECT_EQ(game.map.tiles[17][10].attackMark, 0);
}

TEST_F(ReachTest, NoAttackMarkersOnceTheAttackIsUsed) {
    const int unit = Place(10, 10, 0, kStandard);
    Place(11, 10, 1, kStandard);
    game.state.units[unit].canAttack = 0;
    Select(unit);
    EXPECT_EQ(game.map.tiles[11][10].attackMark, 0);
}

TEST_F(ReachTest, ClearMarkersLeavesTilesBeyondTheMapAlone) {
    game.map.tiles[30][30].reach = 5;
    game.map.tiles[26][26].reach = 5;
    game.map.tiles[26][26].attackMark = 1;
    ClearMarkers(game);
    EXPECT_EQ(game.map.tiles[30][30].reach, 5);
    EXPECT_EQ(game.map.tiles[26][26].reach, -1);
    EXPECT_EQ(game.map.tiles[26][26].attackMark, 0);
}

TEST_F(ReachTest, UnitAtFindsTheLowestSlotExplodingOrNot) {
    const int first = Place(4, 4, 1, kStandard);
    const int second = Place(4, 4, 0, kTank);
    EXPECT_EQ(UnitAt(game, 4, 4), first);
    game.state.units[first].state = kDestroyed;
    EXPECT_EQ(UnitAt(game, 4, 4), first);
    game.state.units[first].state = kFree;
    EXPECT_EQ(UnitAt(game, 4, 4), second);
    EXPECT_EQ(UnitAt(game, 5, 4), -1);
}

TEST_F(ReachTest, CountUnitsLeavesOutBasesAndWrecks) {
    Place(1, 1, 0, kBase);
    Place(2, 1, 0, kStandard);
    Place(3, 1, 0, kAir);
    const int wreck = Place(4, 1, 0, kTank);
    Place(5, 1, 1, kStandard);
    game.state.units[wreck].state = kDestroyed;
    EXPECT_EQ(CountUnits(game, 0), 2);
    EXPECT_EQ(CountUnits(game, 1), 1);
}

TEST_F(ReachTest, EnemyNearLooksAtTheSquareAroundAndTheCentre) {
    Place(10, 10, 1, kStandard);
    Place(20, 20, 0, kStandard);
    EXPECT_TRUE(EnemyNear(game, 10, 10, 0));
    EXPECT_TRUE(EnemyNear(game, 11, 11, 0));
    EXPECT_FALSE(EnemyNear(game, 12, 10, 0));
    EXPECT_FALSE(EnemyNear(game, 10, 10, 1));
    EXPECT_FALSE(EnemyNear(game, 21, 21, 0));
}

TEST_F(ReachTest, SightIsASquareOfTheTypesRangeClippedToTheMap) {
    Place(2, 2, 0, kStandard);
    Place(20, 20, 0, kBase);
    Place(13, 13, 1, kAir);
    const int wreck = Place(13, 0, 0, kAir);
    game.state.units[wreck].state = kDestroyed;
    ComputeVisibility(game);
    EXPECT_EQ(game.visibleTiles[8][8], 1);
    EXPECT_EQ(game.visibleTiles[9][2], 0);
    EXPECT_EQ(game.visibleTiles[24][16], 1);
    EXPECT_EQ(game.visibleTiles[25][20], 0);
    EXPECT_EQ(game.visibleTiles[13][13], 0);  // enemies lend no sight
    EXPECT_EQ(game.visibleTiles[13][1], 0);   // nor do wrecks
    int seen = 0;
    for (int x = 0; x < 27; ++x)
        for (int y = 0; y < 27; ++y) seen += game.visibleTiles[x][y];
    EXPECT_EQ(seen, 9 * 9 + 9 * 9);  // clipped 13 x 13 corner square, 9 x 9 base square
}

}  // namespace
