// The distance fields the computer player walks down, and the steps it takes
// along them.
#include <gtest/gtest.h>

#include "ai/computer_player.h"
#include "test_board.h"

namespace {

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
    struct Case { int ax, ay, bx, by, stepX, stepY; };  // two enemies the same distance away, the step
    const Case cases[] = {
        {10, 7, 10, 13, 10, 9},   // north and south tie: north
        {10, 13, 13, 10, 10, 11}, // south and east tie: south
        {13, 10, 7, 10, 11, 10},  // east and west tie: east
        {7, 10, 10, 7, 10, 9},    // west and north tie: north
    };
    for (const Case& c : cases) {
        Game game = MakeBoard();
        const int unit = CreateUnit(game, 10, 10, 1, kStandard);
        CreateUnit(game, c.ax, c.ay, 2, kStandard), CreateUnit(game, c.bx, c.by, 3, kStandard);
        ComputerTurn turn(game);
        BuildDistanceFields(turn);
        EXPECT_EQ(NextGroundStep(turn, unit), (TilePos{c.stepX, c.stepY})) << c.ax << "," << c.ay;
        EXPECT_EQ(NextAirStep(turn, unit), (TilePos{c.stepX, c.stepY}));
    }
}

}  // namespace
