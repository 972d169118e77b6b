// kvtool advance and kvtool selfplay, run as the program other tools run.
#ifdef KVTOOL_PATH
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ai/turn_cycle.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace {

using Result = ProgramResult;

Result Kvtool(const std::string& arguments) { return RunProgram(KVTOOL_PATH, arguments); }

const std::string kGolden = std::string(KV_TEST_DATA) + "/golden/";

class GameCommands : public InTempDir {
protected:
    void CopyGolden(const std::string& name, const std::string& to) {
        std::filesystem::copy_file(kGolden + name, to, std::filesystem::copy_options::overwrite_existing);
    }
};

TEST_F(GameCommands, AdvanceWithAKeyGivesTheSameBytesEveryTime) {
    std::string outputs[2];
    for (std::string& output : outputs) {
        CopyGolden("SOLO-GAME-01.KV1", "solo.KV1");
        const Result r = Kvtool("advance solo.KV1 --seats 10 --world-seed 31337 --key 42");
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, "");
        output = ReadFile("solo.KV1");
    }
    EXPECT_EQ(outputs[0], outputs[1]);
    EXPECT_EQ(outputs[0][0], 2);  // the key 42: two digits, stored plain
    EXPECT_EQ(outputs[0].substr(1, 2), "42");
}

TEST_F(GameCommands, AdvancePlaysAsTheTurnCycleDoesInOneRun) {
    CopyGolden("PBEM-LONG WAR.KV1", "war.KV1");
    CopyGolden("PBEM-LONG WAR.KV1", "cycle.KV1");
    ASSERT_EQ(Kvtool("advance war.KV1 --seats 9 --key 7").status, 0);
    Game game;  // one run: the action flags carry over from step to step
    game.hooks.fixedSaveKey = 7;
    const TurnFile file("cycle.KV1");
    for (int i = 0; i < 9; ++i) ASSERT_FALSE(IsStop(PlaySeatStep(game, file, std::nullopt).step));
    EXPECT_EQ(ReadFile("war.KV1"), ReadFile("cycle.KV1"));
    std::string problem;
    Game after;
    ASSERT_TRUE(file.Load(after, problem)) << problem;
    EXPECT_EQ(after.state.turn, 37);
    EXPECT_EQ(after.state.currentPlayer, 2);
}

// A file it cannot read, a world to make without --world-seed, or a human
// seat to set up: exit 1, a message, and the file as it was.
TEST_F(GameCommands, AdvanceStopsWhereItCannotPlayAndLeavesTheFileAlone) {
    CopyGolden("SOLO-GAME-01.KV1", "solo.KV1");
    Game hot;
    hot.state.gameType = kHotSeat;
    ResetGameState(hot);
    hot.state.players[0].lifeState = hot.state.players[1].lifeState = kAlive;
    hot.state.players[0].setupDone = 1;
    hot.state.currentPlayer = 1;
    std::string problem;
    ASSERT_TRUE(TurnFile("hot.KV1").Save(hot, problem)) << problem;
    std::ofstream("junk.KV1") << "not a saved game";
    for (const char* args : {"solo.KV1 --seats 1 --key 3", "hot.KV1 --seats 3", "junk.KV1 --seats 1",
                             "missing.KV1 --seats 1"}) {
        const std::string file = std::string(args).substr(0, std::string(args).find(' '));
        const std::string before = ReadFile(file);
        const Result r = Kvtool(std::string("advance ") + args);
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_FALSE(r.err.empty()) << args;
        EXPECT_EQ(ReadFile(file), before) << args;
    }
    EXPECT_NE(Kvtool("advance solo.KV1 --seats 1").err.find("--world-seed"), std::string::npos);
}

TEST_F(GameCommands, AdvanceReportsAFinishedGameAndItsWinner) {
    CopyGolden("PBEM-LONG WAR.KV1", "war.KV1");
    ASSERT_EQ(Kvtool("advance war.KV1 --seats 0").status, 0);
    // Turn the game into one that is over: score victory passed.
    std::string problem;
    Game game;
    ASSERT_TRUE(TurnFile("war.KV1").Load(game, problem)) << problem;
    game.state.victoryType = kScoreVictory;
    game.state.victoryScore = 5000;  // seat 0 leads with 10133 and owns a base
    game.hooks.fixedSaveKey = 1;
    ASSERT_TRUE(TurnFile("war.KV1").Save(game, problem)) << problem;
    const std::string before = ReadFile("war.KV1");
    const Result r = Kvtool("advance war.KV1 --seats 5");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "GAME OVER 0\n");
    EXPECT_EQ(ReadFile("war.KV1"), before);
}

TEST_F(GameCommands, AdvanceRefusesBadArguments) {
    CopyGolden("PBEM-LONG WAR.KV1", "war.KV1");
    for (const char* args : {"war.KV1", "--seats 2", "war.KV1 --seats -1", "war.KV1 --seats 2 --key 9999",
                             "war.KV1 --seats 2 --world-seed -1", "war.KV1 --seats 2 --extra",
                             "war.KV1 --seats x"})
        EXPECT_EQ(Kvtool(std::string("advance ") + args).status, 2) << args;
    EXPECT_EQ(Kvtool("advance war.KV1 --seats 1").status, 0);  // its world exists: no --world-seed needed
}

TEST_F(GameCommands, SelfPlayPrintsOneLinePerGameAndIsRepeatable) {
    const Result first = Kvtool("selfplay --size 27 --level 3 --seed 5 --turns 40 --out kept.KV1");
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out.rfind("seed 5: ", 0), 0u) << first.out;
    EXPECT_EQ(std::count(first.out.begin(), first.out.end(), '\n'), 1);
    EXPECT_NE(first.out.find("winner seat "), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists("kept.KV1"));
    EXPECT_EQ(Kvtool("show kept.KV1").status, 0);
    const Result again = Kvtool("selfplay --size 27 --level HARD --seed 5 --turns 40");
    EXPECT_EQ(again.out, first.out);
}

TEST_F(GameCommands, SelfPlayManyGamesGivesWinRates) {
    const Result r = Kvtool("selfplay --size 36 --level easy --games 4 --turns 30");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 6) << r.out;
    EXPECT_NE(r.out.find("wins by faction: FIREBIRD "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("wins by seat: seat 0 "), std::string::npos) << r.out;
    // Four games with the factions rotating: every faction played 4 times.
    EXPECT_NE(r.out.find("/4 ("), std::string::npos);
    for (const char* args : {"--size 40 --level 1", "--size 27", "--size 27 --level 4", "--size 27 --level 1 --games 2 --out x.KV1"})
        EXPECT_EQ(Kvtool(std::string("selfplay ") + args).status, 2) << args;
}

}  // namespace
#endif
