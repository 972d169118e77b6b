// kvtool run as other tools run it: each command's exit statuses and what it
// prints, and that it leaves a file alone whenever it refuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <nlohmann/json.hpp>

#include "handover/turn_cycle.h"
#include "support/game_builder.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace {

ProgramResult Kvtool(const std::string& arguments) { return RunProgram(KVTOOL_PATH, arguments); }

const std::string kGolden = std::string(KV_TEST_DATA) + "/golden/";

nlohmann::json GoldenJson(const std::string& name) { return nlohmann::json::parse(ReadFile(kGolden + name + ".json")); }

class KvtoolCommands : public InTempDir {
protected:
    void SetUp() override {
        InTempDir::SetUp();
        for (const char* name : {"SOLO-GAME-01", "PBEM-LONG WAR"})
            std::filesystem::copy_file(kGolden + name + ".KV1", std::string(name).substr(0, 4) + ".KV1");
    }
};

TEST_F(KvtoolCommands, ShowPrintsPasswordsOnlyWhenAskedAndWriteNeedsThem) {
    EXPECT_EQ(Kvtool("show PBEM.KV1 --passwords").out, ReadFile(kGolden + "PBEM-LONG WAR.json"));
    const ProgramResult hidden = Kvtool("show PBEM.KV1");
    EXPECT_EQ(hidden.out.find("password"), std::string::npos);
    std::ofstream("hidden.json") << hidden.out;
    const ProgramResult refused = Kvtool("write again.KV1 < hidden.json");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("--passwords"), std::string::npos) << refused.err;
}

// Exit 1 with a message: a file it cannot read or write, a world to make without --world-seed, a human seat
// to set up, two files of different games. Exit 2: bad arguments.
TEST_F(KvtoolCommands, RefusalsExitWithTheirStatusAndLeaveTheFileAlone) {
    nlohmann::json missing = GoldenJson("SOLO-GAME-01");
    missing.erase("turn");
    std::ofstream("bad.json") << "{\"gameName\": ";
    std::ofstream("missing.json") << missing.dump();
    std::ofstream("junk.KV1") << "not a saved game at all";
    Game hot = MakeTestGame(kHotSeat);  // seat 1, a human, not set up yet
    hot.state.players[1].setupDone = 0;
    hot.state.currentPlayer = 1;
    std::string problem;
    ASSERT_TRUE(TurnFile("hot.KV1").Save(hot, problem)) << problem;
    const std::tuple<const char*, const char*, int> cases[] = {
        {"out.KV1", "write out.KV1 < bad.json", 1}, {"out.KV1", "write out.KV1 < missing.json", 1},
        {"out.KV1", "write out.KV1 --key 9999 < solo.json", 1}, {"PBEM.KV1", "changes SOLO.KV1 PBEM.KV1", 1},
        {"junk.KV1", "show junk.KV1", 1}, {"none.KV1", "show none.KV1", 1}, {"PBEM.KV1", "show PBEM.KV1 --passwords x.KV1", 2},
        {"none.KV1", "terrain 12345 28", 2}, {"none.KV1", "terrain twelve 27", 2},
        {"SOLO.KV1", "advance SOLO.KV1 --seats 1 --key 3", 1}, {"hot.KV1", "advance hot.KV1 --seats 3", 1},
        {"junk.KV1", "advance junk.KV1 --seats 1", 1}, {"none.KV1", "advance none.KV1 --seats 1", 1},
        {"PBEM.KV1", "advance PBEM.KV1 --seats 0 --key 9998", 0}, {"PBEM.KV1", "advance PBEM.KV1", 2},
        {"PBEM.KV1", "advance PBEM.KV1 --seats -1", 2}, {"PBEM.KV1", "advance PBEM.KV1 --seats 2 --key 9999", 2},
        {"PBEM.KV1", "advance PBEM.KV1 --seats 2 --world-seed -1", 2}, {"PBEM.KV1", "advance PBEM.KV1 --seats 2 --extra", 2},
        {"PBEM.KV1", "changes PBEM.KV1 PBEM.KV1 --seat 4", 2},
    };
    std::ofstream("solo.json") << GoldenJson("SOLO-GAME-01").dump();
    for (const auto& [file, args, status] : cases) {
        const bool existed = std::filesystem::exists(file);
        const std::string before = existed ? ReadFile(file) : "";
        const ProgramResult r = Kvtool(args);
        EXPECT_EQ(r.status, status) << args;
        EXPECT_TRUE(status != 1 || !r.err.empty()) << args;
        EXPECT_EQ(std::filesystem::exists(file), existed) << args;
        EXPECT_EQ(existed ? ReadFile(file) : "", before) << args;
    }
    EXPECT_NE(Kvtool("advance SOLO.KV1 --seats 1").err.find("--world-seed"), std::string::npos);
    EXPECT_EQ(nlohmann::json::parse(Kvtool("terrain 12345 27").out)["terrain"].size(), 27u);
}

TEST_F(KvtoolCommands, AdvancePlaysAsTheTurnCycleChangesTellWhatItDidAndAFinishedGameIsReported) {
    std::filesystem::copy_file("PBEM.KV1", "cycle.KV1");
    ASSERT_EQ(Kvtool("advance PBEM.KV1 --seats 9 --key 7").status, 0);
    Game game;  // one run: the action flags carry over from step to step
    game.hooks.fixedSaveKey = 7;
    const TurnFile file("cycle.KV1");
    for (int i = 0; i < 9; ++i) ASSERT_FALSE(IsStop(PlaySeatStep(game, file, std::nullopt).step));
    EXPECT_EQ(ReadFile("PBEM.KV1"), ReadFile("cycle.KV1"));
    // What changed is worked out by the rules and tested with them; kvtool passes it on.
    const ProgramResult changes = Kvtool("changes '" + kGolden + "PBEM-LONG WAR.KV1' PBEM.KV1 --seat 0 --json");
    ASSERT_EQ(changes.status, 0) << changes.err;
    const nlohmann::json seats = nlohmann::json::parse(changes.out)["seats"];
    ASSERT_FALSE(seats.empty()) << changes.out;
    EXPECT_NE(seats[0]["score"], seats[0]["oldScore"]);

    std::string problem;
    ASSERT_TRUE(file.Load(game, problem)) << problem;
    game.state.victoryType = kScoreVictory;
    game.state.victoryScore = 5000;  // seat 0 leads and owns a base
    ASSERT_TRUE(file.Save(game, problem)) << problem;
    const std::string before = ReadFile("cycle.KV1");
    const ProgramResult r = Kvtool("advance cycle.KV1 --seats 5");
    EXPECT_EQ(std::pair(r.status, r.out), std::pair(0, std::string("GAME OVER 0\n"))) << r.err;
    EXPECT_EQ(ReadFile("cycle.KV1"), before);
}

}  // namespace
