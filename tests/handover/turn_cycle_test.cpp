// The turn cycle played through the saved-game file, seat step by seat step.
#include <gtest/gtest.h>

#include "handover/turn_cycle.h"
#include "support/game_builder.h"
#include "support/read_file.h"
#include "support/temp_dir.h"

namespace {

// A launched single-player game, its world not made yet: seat 0 human and
// set up, seat 1 a computer whose set-up turn is next, seat 2 open (a
// computer unless the test says otherwise), seat 3 closed.
Game LaunchedGame(bool seat2Human = false) {
    Game game = MakeTestGame(kSinglePlayer, 27, 77);
    game.hooks.fixedSaveKey = 1234;
    OpenSeat(game, 2, seat2Human);
    game.state.players[1].setupDone = 0;
    game.state.currentPlayer = 1;  // seat 0's set-up turn is over
    return game;
}

// A fresh run of the program, saving with a fixed key.
Game FreshRun() {
    Game game;
    game.hooks.fixedSaveKey = 1234;
    return game;
}

class TurnCycle : public InTempDir {
protected:
    const TurnFile file{"GAME.KV1"};
    std::string problem;

    // Reads the file into a fresh game, as another run of the program would.
    Game Reread() {
        Game game;
        EXPECT_TRUE(file.Load(game, problem)) << problem;
        return game;
    }
};

// Seat by seat: a computer seat's set-up turn names it, a dying human seat is
// told and dies, a closed seat is passed over, and an idle human turn clears
// the human's notices (a computer keeps its own).
TEST_F(TurnCycle, EachSeatTakesTheStepItsStateCallsFor) {
    Game setup = LaunchedGame(true);
    setup.map.mapSeed = 555, setup.state.turn = 5;
    CreateUnit(setup, 2, 2, 0, kBase), CreateUnit(setup, 24, 24, 1, kBase);
    Player& dying = setup.state.players[2];
    dying.setupDone = 1, dying.lifeState = kDying, dying.destroyer = 1;
    for (Player& p : setup.state.players) p.destroyedNotice[2] = 1;
    ASSERT_TRUE(file.Save(setup, problem)) << problem;
    Game game = FreshRun();
    const SeatStep steps[] = {SeatStep::kSetUp, SeatStep::kDyingSeatTold, SeatStep::kPassedOver,
                              SeatStep::kIdleHumanTurn};
    for (const SeatStep expected : steps) EXPECT_EQ(PlaySeatStep(game, file, std::nullopt).step, expected);
    const Game saved = Reread();
    EXPECT_EQ(saved.state.players[1].name, "RED COMP");
    EXPECT_EQ(saved.state.players[1].setupDone, 1);
    EXPECT_EQ(saved.state.players[2].lifeState, kDead);
    EXPECT_EQ(saved.state.turn, 6);
    EXPECT_EQ(saved.state.currentPlayer, 1);
    EXPECT_EQ(saved.state.players[0].destroyedNotice[2], 0);
    EXPECT_EQ(saved.state.players[1].destroyedNotice[2], 1);
}

// The first human turn makes the world, but only with a seed.
TEST_F(TurnCycle, FirstHumanTurnMakesTheWorldOnlyWithASeed) {
    Game setup = LaunchedGame();  // every computer seat set up: the first human turn is next
    setup.state.currentPlayer = 0, setup.state.turn = 1;
    for (Player& p : setup.state.players) p.setupDone = 1;
    ASSERT_TRUE(file.Save(setup, problem)) << problem;
    EXPECT_EQ(Reread().rng.state, setup.rng.state);  // the saving draws carry on in the game
    const std::string before = ReadFile("GAME.KV1");
    Game game = FreshRun();
    EXPECT_EQ(PlaySeatStep(game, file, std::nullopt).step, SeatStep::kNoWorldSeed);
    EXPECT_EQ(ReadFile("GAME.KV1"), before);

    EXPECT_EQ(PlaySeatStep(game, file, 4321).step, SeatStep::kIdleHumanTurn);
    const Game start = Reread();
    EXPECT_EQ(start.map.mapSeed, 4321);
    EXPECT_EQ(start.state.currentPlayer, 1);
    EXPECT_EQ(start.state.players[0].energy, 10 + 90);  // the income of its base and four units
}

}  // namespace
