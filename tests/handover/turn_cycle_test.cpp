// The turn cycle played through the saved-game file, seat step by seat step.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "handover/turn_cycle.h"
#include "support/temp_dir.h"

namespace {

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A launched single-player game, its world not made yet: seat 0 human and
// set up, seat 1 a computer; seats 2 and 3 as the test wants them.
Game LaunchedGame(bool seat2Open = false, bool seat2Human = false) {
    Game game;
    game.hooks.tickCount = [] { return 77u; };
    game.hooks.fixedSaveKey = 1234;
    game.state.gameType = kSinglePlayer;
    ResetGameState(game);
    game.map.mapSize = 27;
    game.state.players[2].seatOpen = seat2Open ? 1 : 0;
    game.state.players[2].isHuman = seat2Human ? 1 : 0;
    for (Player& p : game.state.players)
        if (p.seatOpen) p.lifeState = kAlive;
    game.state.players[0].setupDone = 1;
    game.state.currentPlayer = 1;  // seat 0's set-up turn is over
    return game;
}

// The same game with every computer seat set up: the first human turn is next.
Game BeforeFirstHumanTurn(bool seat2Open = false) {
    Game game = LaunchedGame(seat2Open);
    game.state.currentPlayer = 0;
    game.state.turn = 1;
    for (Player& p : game.state.players) p.setupDone = 1;
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

    void Write(Game& game) {
        std::string problem;
        ASSERT_TRUE(file.Save(game, problem)) << problem;
    }
    // Reads the file into a fresh game, as another run of the program would.
    Game Reread() {
        Game game;
        std::string problem;
        EXPECT_TRUE(file.Load(game, problem)) << problem;
        return game;
    }
};

TEST_F(TurnCycle, ComputerSeatsAreSetUpAndClosedSeatsPassedOver) {
    Game setup = LaunchedGame();
    setup.state.turn = 5;
    Write(setup);
    Game game = FreshRun();
    game.scrollX = 7;
    game.scrollY = 3;
    const SeatStepResult step = PlaySeatStep(game, file, std::nullopt);
    EXPECT_EQ(step.step, SeatStep::kSetUp);
    EXPECT_EQ(step.seat, 1);
    Game saved = Reread();
    EXPECT_EQ(saved.state.players[1].name, "RED COMP");
    EXPECT_EQ(saved.state.players[1].setupDone, 1);
    EXPECT_EQ(PlaySeatStep(game, file, std::nullopt).step, SeatStep::kPassedOver);
    EXPECT_EQ(PlaySeatStep(game, file, std::nullopt).step, SeatStep::kPassedOver);
    saved = Reread();
    EXPECT_EQ(saved.state.turn, 6);
    EXPECT_EQ(saved.state.currentPlayer, 0);
    // Even a passed-over seat keeps the view that was on screen.
    EXPECT_EQ(saved.state.players[2].viewX, 7);
    EXPECT_EQ(saved.state.players[3].viewY, 3);
}

// The first human turn makes the world, but only with a seed; the computer
// seat after it acts on the flags that turn left, as within one run.
TEST_F(TurnCycle, FirstHumanTurnMakesTheWorldAndTheComputerActsOnItsFlags) {
    Game setup = BeforeFirstHumanTurn();
    Write(setup);
    const std::string before = Bytes("GAME.KV1");
    Game game = FreshRun();
    EXPECT_EQ(PlaySeatStep(game, file, std::nullopt).step, SeatStep::kNoWorldSeed);
    EXPECT_EQ(Bytes("GAME.KV1"), before);

    EXPECT_EQ(PlaySeatStep(game, file, 4321).step, SeatStep::kIdleHumanTurn);
    const std::string afterHuman = Bytes("GAME.KV1");
    const Game start = Reread();
    EXPECT_EQ(start.map.mapSeed, 4321);
    EXPECT_EQ(start.state.currentPlayer, 1);
    int bases = 0, units = 0;
    for (const Unit& u : start.state.units) {
        units += u.state == kActive;
        bases += u.state == kActive && u.type == kBase;
    }
    EXPECT_EQ(bases, 2);
    EXPECT_EQ(units, 10);
    EXPECT_EQ(start.state.players[0].energy, 10 + 90);  // the income of its base and four units
    EXPECT_EQ(start.state.players[0].viewX, game.scrollX);  // its view went back into the file

    ASSERT_EQ(PlaySeatStep(game, file, 4321).step, SeatStep::kComputerTurn);
    const Game warm = Reread();
    // A fresh run starts with every flag clear: the same computer turn,
    // loaded cold, cannot move the units the seat already had.
    std::ofstream("GAME.KV1", std::ios::binary) << afterHuman;
    Game cold = FreshRun();
    ASSERT_EQ(PlaySeatStep(cold, file, 4321).step, SeatStep::kComputerTurn);
    const Game coldPlayed = Reread();
    int movedWarm = 0, movedCold = 0;
    for (int slot = 0; slot < kMaxUnits; ++slot) {
        const Unit& was = start.state.units[slot];
        if (was.state != kActive || was.owner != 1) continue;
        const Unit& w = warm.state.units[slot];
        const Unit& c = coldPlayed.state.units[slot];
        movedWarm += w.x != was.x || w.y != was.y;
        movedCold += c.x != was.x || c.y != was.y;
    }
    EXPECT_GT(movedWarm, 0);
    EXPECT_EQ(movedCold, 0);
}

TEST_F(TurnCycle, DyingHumanIsToldAndIdleHumansHaveTheirNoticesCleared) {
    Game setup = LaunchedGame(true, true);
    setup.map.mapSeed = 555;
    for (Player& p : setup.state.players) p.setupDone = 1;
    setup.state.currentPlayer = 2;
    setup.state.turn = 3;
    CreateUnit(setup, 2, 2, 0, kBase);
    CreateUnit(setup, 24, 24, 1, kBase);
    setup.state.players[2].lifeState = kDying;
    setup.state.players[2].destroyer = 1;
    for (Player& p : setup.state.players) p.destroyedNotice[2] = 1;
    setup.state.players[1].score = 500;  // no tie for the lead
    Write(setup);
    Game game = FreshRun();
    EXPECT_EQ(PlaySeatStep(game, file, std::nullopt).step, SeatStep::kDyingSeatTold);
    EXPECT_EQ(Reread().state.players[2].lifeState, kDead);
    EXPECT_EQ(PlaySeatStep(game, file, std::nullopt).step, SeatStep::kPassedOver);  // seat 3 closed
    EXPECT_EQ(PlaySeatStep(game, file, std::nullopt).step, SeatStep::kIdleHumanTurn);
    Game saved = Reread();
    EXPECT_EQ(saved.state.players[0].destroyedNotice[2], 0);
    EXPECT_EQ(saved.state.players[1].destroyedNotice[2], 1);  // computers keep theirs
}

// Step by step, a file kept in memory plays exactly as one on disk, and
// neither depends on the clock.
TEST_F(TurnCycle, AFileKeptInMemoryPlaysExactlyAsOneOnDisk) {
    Game setup = BeforeFirstHumanTurn(true);
    Game copy = setup;
    Write(setup);
    const std::string start = Bytes("GAME.KV1");
    const TurnFile memory = TurnFile::InMemory();
    std::string problem;
    EXPECT_FALSE(memory.Load(copy, problem));  // nothing saved yet
    ASSERT_TRUE(memory.Save(copy, problem));
    EXPECT_EQ(memory.Bytes(), start);
    Game onDisk = FreshRun(), inMemory = FreshRun();
    onDisk.hooks.tickCount = [n = 0u]() mutable { return n += 17; };
    inMemory.hooks.tickCount = [n = 5u]() mutable { return n *= 3; };
    for (int i = 0; i < 30; ++i) {
        const SeatStep a = PlaySeatStep(onDisk, file, 5151).step;
        ASSERT_FALSE(IsStop(a));
        ASSERT_EQ(a, PlaySeatStep(inMemory, memory, 5151).step);
        ASSERT_EQ(memory.Bytes(), Bytes("GAME.KV1")) << "step " << i;
    }
    EXPECT_NE(memory.Bytes(), start);
}

}  // namespace
