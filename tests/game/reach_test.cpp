// Movement reach, build and attack markers, sight and the unit queries.
#include <array>
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
    void ExpectReach(std::initializer_list<std::array<int, 3>> tiles) const {  // x, y, reach
        for (const auto& [x, y, reach] : tiles) EXPECT_EQ(Reach(x, y), reach) << x << "," << y;
    }
    template <typename T>
    int Count(T Tile::*marker) const {
        int n = 0;
        for (int x = 0; x < game.map.mapSize; ++x)
            for (int y = 0; y < game.map.mapSize; ++y) n += game.map.tiles[x][y].*marker >= 1;
        return n;
    }
};

// The reach is the number of steps along the four directions; the sight a
// square of the type's range, lent by own active units only.
TEST_F(ReachTest, OpenGroundGivesADiamondOfTheSpeedAndASquareOfTheSight) {
    const int cases[][4] = {  // type, may move, speed, sight
        {kStandard, 1, 6, 6}, {kAir, 1, 10, 10}, {kTank, 1, 2, 4}, {kArtillery, 1, 0, 6}, {kBase, 1, 0, 4},
        {kStandard, 0, 0, 6}};
    const int unit = Place(13, 13, 0, kStandard);
    for (const auto& [type, canMove, speed, sight] : cases) {
        U(unit).type = type, U(unit).canMove = canMove;
        Select(unit);
        ComputeVisibility(game);
        for (int x = 0; x < 27; ++x)
            for (int y = 0; y < 27; ++y) {
                const int dx = std::abs(x - 13), dy = std::abs(y - 13), steps = dx + dy;
                ASSERT_EQ(Reach(x, y), (steps >= 1 && steps <= speed) ? steps : -1) << type << ": " << x << "," << y;
                ASSERT_EQ(game.visibleTiles[x][y], dx <= sight && dy <= sight) << type << ": " << x << "," << y;
            }
    }
    // Enemies and wrecks lend no sight.
    U(unit).state = kFree;
    Place(2, 2, 0, kStandard);
    Place(13, 13, 1, kAir);
    U(Place(13, 0, 0, kAir)).state = kDestroyed;
    ComputeVisibility(game);
    int seen = 0;
    for (int x = 0; x < 27; ++x)
        for (int y = 0; y < 27; ++y) seen += game.visibleTiles[x][y];
    EXPECT_EQ(seen, 9 * 9);  // the corner's 13 x 13 square, clipped
}

TEST_F(ReachTest, AGroundUnitStopsNextToAnEnemyButAirFliesOn) {
    const int mover = Place(5, 13, 0, kStandard);
    const int enemy = Place(8, 13, 1, kStandard);
    Select(mover);
    // The enemy's neighbours, diagonal ones too, are entered at the full speed; its own tile and the tile five
    // steps away past it are not.
    ExpectReach({{7, 13, 6}, {7, 12, 6}, {7, 14, 6}, {6, 13, 1}, {8, 13, -1}, {10, 13, -1}});
    U(mover).type = kAir;
    Select(mover);
    ExpectReach({{7, 13, 2}, {10, 13, 5}});
    U(mover).type = kStandard, U(enemy).state = kDestroyed;  // a wreck blocks nothing
    Select(mover);
    EXPECT_EQ(Reach(8, 13), 3);
}

// A river down column 6 with one gap at (6, 13), where a unit stands; rough
// ground and water are closed to ground units, crossings and clearings open.
TEST_F(ReachTest, GroundUnitsCrossOnlyOwnUnitsAndOpenGroundAirStopsOnNoUnit) {
    for (int y = 0; y < 27; ++y) SetTerrain(6, y, kWater);
    SetTerrain(6, 13, kLand);
    SetTerrain(5, 12, kRough);
    SetTerrain(4, 13, kCrossingVertical);
    SetTerrain(3, 13, kClearing);
    const int inGap = Place(6, 13, 0, kStandard);
    const int mover = Place(5, 13, 0, kStandard);
    Select(mover);
    ExpectReach({{6, 13, -1}, {7, 13, 2}, {6, 12, -100}, {5, 12, -100}, {5, 11, 4}, {3, 13, 2}});  // round the rough
    U(inGap).owner = 1;
    Select(mover);
    for (int x = 7; x < 27; ++x)
        for (int y = 0; y < 27; ++y) ASSERT_LE(Reach(x, y), 0) << x << "," << y;
    U(mover).type = kAir;
    Select(mover);
    ExpectReach({{6, 13, -1}, {6, 12, 2}, {5, 12, 1}});  // hovering over water is allowed
}

TEST_F(ReachTest, TheBuildRingSkipsLiveUnitsAndTheMapEdgeButNotWrecksOrWater) {
    Select(Place(0, 0, 0, kBase));
    EXPECT_EQ(Count(&Tile::buildMark), 3);
    const int base = Place(5, 5, 0, kBase);
    Place(4, 4, 0, kStandard);
    U(Place(6, 6, 1, kStandard)).state = kDestroyed;
    SetTerrain(5, 4, kWater);
    Select(base);
    for (int x = 3; x <= 7; ++x)
        for (int y = 3; y <= 7; ++y)
            EXPECT_EQ(game.map.tiles[x][y].buildMark, std::abs(x - 5) <= 1 && std::abs(y - 5) <= 1 &&
                                                          !(x == 5 && y == 5) && !(x == 4 && y == 4))
                << x << "," << y;
    U(base).owner = 1;  // an enemy base offers nothing
    Select(base);
    EXPECT_EQ(Count(&Tile::buildMark), 0);
}

TEST_F(ReachTest, AttackMarkersCoverTheRangeSquareAndOnlyEnemies) {
    OpenSeat(2, true);
    const int unit = Place(10, 10, 0, kTank);
    for (const auto& [x, y, owner] : {std::array{12, 12, 1}, {8, 11, 2}, {13, 10, 1}, {11, 10, 0}, {16, 4, 1}})
        Place(x, y, owner, kStandard);
    Select(unit);
    EXPECT_EQ(game.map.tiles[12][12].attackMark, 1);
    EXPECT_EQ(game.map.tiles[8][11].attackMark, 1);
    EXPECT_EQ(Count(&Tile::attackMark), 2);  // not at 3 away, never own units
    U(unit).type = kArtillery;
    Select(unit);
    EXPECT_EQ(game.map.tiles[16][4].attackMark, 1);
    EXPECT_EQ(Count(&Tile::attackMark), 4);
    U(unit).canAttack = 0;
    Select(unit);
    EXPECT_EQ(Count(&Tile::attackMark), 0);
}

}  // namespace
