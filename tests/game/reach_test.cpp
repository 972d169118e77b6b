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
    template <typename T>
    int Count(T Tile::*marker, int atLeast) const {
        int n = 0;
        for (int x = 0; x < game.map.mapSize; ++x)
            for (int y = 0; y < game.map.mapSize; ++y) n += game.map.tiles[x][y].*marker >= atLeast;
        return n;
    }
    int CountReachable() const { return Count(&Tile::reach, 1); }
};

TEST_F(ReachTest, OpenGroundGivesADiamondOfTheUnitsSpeed) {
    const int unit = Place(13, 13, 0, kStandard);
    Select(unit);
    for (int x = 0; x < 27; ++x) {
        for (int y = 0; y < 27; ++y) {
            const int steps = std::abs(x - 13) + std::abs(y - 13);
            ASSERT_EQ(Reach(x, y), (steps >= 1 && steps <= 6) ? steps : -1) << x << "," << y;
        }
    }
    U(unit).type = kTank;
    Select(unit);
    EXPECT_EQ(CountReachable(), 12);  // 4 + 8 tiles within two steps
    U(unit).type = kAir;
    Select(unit);
    EXPECT_EQ(Reach(13, 3), 10);
    EXPECT_EQ(Reach(13, 2), -1);
    for (int still : {kArtillery, kBase}) {
        U(unit).type = still;
        Select(unit);
        EXPECT_EQ(CountReachable(), 0) << "type " << still;
    }
    U(unit).type = kStandard;
    U(unit).canMove = 0;
    Select(unit);
    EXPECT_EQ(CountReachable(), 0);
}

TEST_F(ReachTest, AGroundUnitStopsNextToAnEnemyButAirFliesOn) {
    const int mover = Place(5, 13, 0, kStandard);
    const int enemy = Place(8, 13, 1, kStandard);
    Select(mover);
    EXPECT_EQ(Reach(7, 13), 6);    // entered, at the unit's full speed
    EXPECT_EQ(Reach(7, 12), 6);    // diagonal neighbours of the enemy count too
    EXPECT_EQ(Reach(6, 13), 1);
    EXPECT_EQ(Reach(8, 13), -1);   // the enemy's own tile
    EXPECT_EQ(Reach(10, 13), -1);  // five steps away, but only past the enemy
    EXPECT_EQ(Reach(5, 10), 3);    // away from the enemy nothing changes
    U(mover).type = kAir;
    Select(mover);
    EXPECT_EQ(Reach(7, 13), 2);
    EXPECT_EQ(Reach(10, 13), 5);
    EXPECT_EQ(Reach(8, 13), -1);
    U(mover).type = kStandard;
    U(enemy).state = kDestroyed;  // a wreck blocks nothing
    Select(mover);
    EXPECT_EQ(Reach(8, 13), 3);
    EXPECT_EQ(Reach(10, 13), 5);
}

// A river down column 6 with one gap at (6, 13), where a unit stands.
TEST_F(ReachTest, OwnUnitsMayBeCrossedEnemiesNeverAndAirStopsOnNeither) {
    for (int y = 0; y < 27; ++y) SetTerrain(6, y, kWater);
    SetTerrain(6, 13, kLand);
    const int inGap = Place(6, 13, 0, kStandard);
    const int mover = Place(5, 13, 0, kStandard);
    Select(mover);
    EXPECT_EQ(Reach(6, 13), -1);
    EXPECT_EQ(Reach(7, 13), 2);
    EXPECT_EQ(Reach(7, 10), 5);
    EXPECT_EQ(Reach(6, 12), -100);
    U(inGap).owner = 1;
    Select(mover);
    EXPECT_EQ(Reach(6, 13), -1);
    for (int x = 7; x < 27; ++x)
        for (int y = 0; y < 27; ++y) ASSERT_LE(Reach(x, y), 0) << x << "," << y;
    U(mover).type = kAir;
    Select(mover);
    EXPECT_EQ(Reach(6, 13), -1);
    EXPECT_EQ(Reach(6, 12), 2);  // hovering over water is allowed
    EXPECT_EQ(Reach(7, 13), 2);
}

TEST_F(ReachTest, WaterAndRoughGroundAreClosedToGroundUnits) {
    SetTerrain(13, 12, kWater);
    SetTerrain(13, 14, kRough);
    SetTerrain(12, 13, kCrossingVertical);  // crossings and clearings are ordinary ground
    SetTerrain(11, 13, kClearing);
    SetTerrain(20, 20, kWater);
    Place(20, 20, 1, kAir);  // an enemy hovering over water
    Select(Place(13, 13, 0, kStandard));
    EXPECT_EQ(Reach(13, 12), -100);
    EXPECT_EQ(Reach(13, 14), -100);
    EXPECT_EQ(Reach(20, 20), -1);  // held, so no target whatever lies beneath
    EXPECT_EQ(Reach(13, 11), 4);   // around the water: three steps wasted
    EXPECT_EQ(Reach(12, 13), 1);
    EXPECT_EQ(Reach(11, 13), 2);
}

TEST_F(ReachTest, TheBuildRingSkipsLiveUnitsAndTheMapEdgeButNotWrecksOrWater) {
    Select(Place(0, 0, 0, kBase));
    EXPECT_EQ(Count(&Tile::buildMark, 1), 3);
    EXPECT_EQ(game.map.tiles[1][1].buildMark, 1);
    const int base = Place(5, 5, 0, kBase);
    Place(4, 4, 0, kStandard);
    U(Place(6, 6, 1, kStandard)).state = kDestroyed;
    SetTerrain(5, 4, kWater);
    Select(base);
    EXPECT_EQ(Count(&Tile::buildMark, 1), 7);
    EXPECT_EQ(game.map.tiles[4][4].buildMark, 0);
    EXPECT_EQ(game.map.tiles[6][6].buildMark, 1);
    EXPECT_EQ(game.map.tiles[5][4].buildMark, 1);
    U(base).owner = 1;  // an enemy base offers nothing
    Select(base);
    EXPECT_EQ(Count(&Tile::buildMark, 1), 0);
}

TEST_F(ReachTest, AttackMarkersCoverTheRangeSquareAndOnlyEnemies) {
    OpenSeat(2, true);
    const int unit = Place(10, 10, 0, kTank);
    Place(12, 12, 1, kStandard);
    Place(8, 11, 2, kStandard);
    Place(13, 10, 1, kStandard);
    Place(11, 10, 0, kStandard);
    Place(16, 4, 1, kStandard);
    Select(unit);
    EXPECT_EQ(game.map.tiles[12][12].attackMark, 1);
    EXPECT_EQ(game.map.tiles[8][11].attackMark, 1);
    EXPECT_EQ(Count(&Tile::attackMark, 1), 2);  // not at 3 away, never own units
    U(unit).type = kArtillery;
    Select(unit);
    EXPECT_EQ(game.map.tiles[16][4].attackMark, 1);
    EXPECT_EQ(Count(&Tile::attackMark, 1), 4);
    U(unit).canAttack = 0;
    Select(unit);
    EXPECT_EQ(Count(&Tile::attackMark, 1), 0);
}

TEST_F(ReachTest, UnitQueriesFindTheLowestSlotAndLeaveOutWrecks) {
    const int first = Place(4, 4, 1, kStandard);
    const int second = Place(4, 4, 0, kTank);
    Place(5, 4, 0, kBase);
    EXPECT_EQ(UnitAt(game, 4, 4), first);
    U(first).state = kDestroyed;
    EXPECT_EQ(UnitAt(game, 4, 4), first);  // exploding or not
    EXPECT_EQ(CountUnits(game, 1), 0);
    EXPECT_EQ(CountUnits(game, 0), 1);  // bases left out
    U(first).state = kFree;
    EXPECT_EQ(UnitAt(game, 4, 4), second);
    EXPECT_EQ(UnitAt(game, 6, 4), -1);

    Place(10, 10, 1, kStandard);
    EXPECT_TRUE(EnemyNear(game, 10, 10, 0));
    EXPECT_TRUE(EnemyNear(game, 11, 11, 0));
    EXPECT_FALSE(EnemyNear(game, 12, 10, 0));
    EXPECT_FALSE(EnemyNear(game, 10, 10, 1));
}

TEST_F(ReachTest, SightIsASquareOfTheTypesRangeClippedToTheMap) {
    Place(2, 2, 0, kStandard);
    Place(20, 20, 0, kBase);
    Place(13, 13, 1, kAir);
    U(Place(13, 0, 0, kAir)).state = kDestroyed;
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
