// The distance fields the computer player walks down, and the steps it takes
// along them.
#include <gtest/gtest.h>

#include "ai/computer_player.h"
#include "test_board.h"

namespace {

TEST(DistanceFields, CountStepsToFreeClearingsAndEnemiesThroughOwnUnitsAroundWater) {
    Game game = MakeBoard();
    SetTerrain(game, 5, 5, kClearing);
    SetTerrain(game, 5, 15, kClearing);
    CreateUnit(game, 5, 15, 1, kBase);       // a held clearing is no target
    CreateUnit(game, 5, 7, 1, kStandard);    // an own unit: the flood passes through
    CreateUnit(game, 20, 20, 2, kStandard);  // an enemy: a target wherever it stands
    for (int y = 0; y < 27; ++y) SetTerrain(game, 12, y, kWater);  // a river the air flies over
    SetTerrain(game, 11, 0, kRough);
    ComputerTurn turn(game);
    BuildDistanceFields(turn);
    EXPECT_EQ(turn.field.Ground(5, 5), 0);
    EXPECT_EQ(turn.field.Ground(5, 8), 3);
    EXPECT_EQ(turn.field.Ground(5, 7), kFieldBlocked);  // occupied tiles are blocked once the flood is done
    EXPECT_EQ(turn.field.Ground(5, 15), kFieldBlocked);
    EXPECT_EQ(turn.field.Ground(5, 14), 9);
    EXPECT_EQ(turn.field.Air(9, 9), 8);
    EXPECT_EQ(turn.field.Ground(20, 20), kFieldBlocked);
    EXPECT_EQ(turn.field.Ground(20, 22), 2);
    EXPECT_EQ(turn.field.Ground(12, 10), kFieldBlocked);
    EXPECT_EQ(turn.field.Air(12, 10), 7 + 5);
    EXPECT_EQ(turn.field.Ground(11, 0), kFieldBlocked);
    EXPECT_EQ(turn.field.Air(11, 0), 11);
}

// The flood spreads at most 2n levels: on a winding road longer than that,
// the far end stays unreached.
TEST(DistanceFields, StopAfterTwiceTheMapSizeLevels) {
    const int n = 27;
    Game game = MakeBoard(n);
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y) SetTerrain(game, x, y, kWater);
    // A serpentine road: rows 1, 3, 5 ... joined at alternate ends.
    for (int row = 1; row < n - 1; row += 2) {
        for (int x = 1; x < n - 1; ++x) SetTerrain(game, x, row, kLand);
        if (row + 2 < n - 1) SetTerrain(game, row % 4 == 1 ? n - 2 : 1, row + 1, kLand);
    }
    SetTerrain(game, 1, 1, kClearing);
    ComputerTurn turn(game);
    BuildDistanceFields(turn);
    EXPECT_EQ(turn.field.Ground(25, 1), 24);
    EXPECT_EQ(turn.field.Ground(25, 3), 26);
    EXPECT_EQ(turn.field.Ground(3, 3), 48);  // 25 + 1 + 22 along the road
    EXPECT_EQ(turn.field.Ground(1, 4), 51);
    EXPECT_EQ(turn.field.Ground(3, 5), 2 * n);  // the last level the flood writes
    EXPECT_EQ(turn.field.Ground(4, 5), kFieldUnreached);
    EXPECT_EQ(turn.field.Ground(25, 25), kFieldUnreached);
    EXPECT_EQ(turn.field.Air(4, 5), 3 + 4);  // flying straight there is short
}

TEST(NextSteps, PreferNorthThenSouthThenEastThenWestOnATie) {
    struct Case {
        int ax, ay, bx, by;  // two enemies the same distance away
        int stepX, stepY;
    };
    const Case cases[] = {
        {10, 7, 10, 13, 10, 9},   // north and south tie: north
        {10, 13, 13, 10, 10, 11}, // south and east tie: south
        {13, 10, 7, 10, 11, 10},  // east and west tie: east
        {7, 10, 10, 7, 10, 9},    // west and north tie: north
    };
    for (const Case& c : cases) {
        Game game = MakeBoard();
        const int unit = CreateUnit(game, 10, 10, 1, kStandard);
        CreateUnit(game, c.ax, c.ay, 2, kStandard);
        CreateUnit(game, c.bx, c.by, 3, kStandard);
        ComputerTurn turn(game);
        BuildDistanceFields(turn);
        EXPECT_EQ(NextGroundStep(turn, unit), (TilePos{c.stepX, c.stepY})) << c.ax << "," << c.ay;
        EXPECT_EQ(NextAirStep(turn, unit), (TilePos{c.stepX, c.stepY}));
    }
}

TEST(NextSteps, StayPutWhenEveryNeighbourIsBlocked) {
    Game game = MakeBoard();
    const int unit = CreateUnit(game, 0, 0, 1, kStandard);
    CreateUnit(game, 1, 0, 1, kStandard);
    SetTerrain(game, 0, 1, kRough);
    SetTerrain(game, 20, 20, kClearing);
    ComputerTurn turn(game);
    BuildDistanceFields(turn);
    EXPECT_EQ(NextGroundStep(turn, unit), (TilePos{0, 0}));
    EXPECT_EQ(NextAirStep(turn, unit), (TilePos{0, 1}));  // rough ground is open to the air
}

}  // namespace
