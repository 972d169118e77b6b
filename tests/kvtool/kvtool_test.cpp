#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <nlohmann/json.hpp>

#include "support/run_program.h"
#include "support/temp_dir.h"

namespace {

ProgramResult Kvtool(const std::string& arguments) { return RunProgram(KVTOOL_PATH, arguments); }

const std::string kGolden = std::string(KV_TEST_DATA) + "/golden/";

using KvtoolCommands = InTempDir;

TEST_F(KvtoolCommands, WriteWithAKeyThenShowGivesBackTheSameJson) {
    for (const char* name : {"SOLO-GAME-01", "HOTS-FRIDAY NIGHT", "PBEM-LONG WAR"}) {
        const std::string json = kGolden + name + ".json";
        ASSERT_EQ(Kvtool("write out.KV1 --key 7 < '" + json + "'").status, 0);
        const ProgramResult shown = Kvtool("show out.KV1");
        ASSERT_EQ(shown.status, 0);
        nlohmann::json expected = nlohmann::json::parse(ReadFile(json));
        expected["key"] = 7;
        EXPECT_EQ(nlohmann::json::parse(shown.out), expected) << name;
    }
}

TEST_F(KvtoolCommands, ShowPrintsTheGoldenJsonTextExactly) {
    const ProgramResult shown = Kvtool("show '" + kGolden + "HOTS-FRIDAY NIGHT.KV1'");
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.out, ReadFile(kGolden + "HOTS-FRIDAY NIGHT.json"));
}

TEST_F(KvtoolCommands, BadInputIsRefusedAndWritesNothing) {
    std::ofstream("bad.json") << "{\"gameName\": ";
    EXPECT_EQ(Kvtool("write out.KV1 < bad.json").status, 1);
    nlohmann::json game = nlohmann::json::parse(ReadFile(kGolden + "SOLO-GAME-01.json"));
    game.erase("turn");
    std::ofstream("missing.json") << game.dump();
    EXPECT_EQ(Kvtool("write out.KV1 < missing.json").status, 1);
    game = nlohmann::json::parse(ReadFile(kGolden + "SOLO-GAME-01.json"));
    game["players"][0]["colour"] = 9;
    std::ofstream("range.json") << game.dump();
    EXPECT_EQ(Kvtool("write out.KV1 < range.json").status, 1);
    EXPECT_EQ(Kvtool("write out.KV1 --key 9999 < '" + kGolden + "SOLO-GAME-01.json'").status, 1);
    EXPECT_FALSE(std::filesystem::exists("out.KV1"));

    std::ofstream("junk.KV1") << "not a saved game at all";
    EXPECT_EQ(Kvtool("show junk.KV1").status, 1);
    EXPECT_EQ(Kvtool("show nowhere.KV1").status, 1);
}

TEST_F(KvtoolCommands, TerrainPrintsTheWorldAndRefusesBadArguments) {
    const ProgramResult tiny = Kvtool("terrain 12345 27");
    ASSERT_EQ(tiny.status, 0);
    const nlohmann::json world = nlohmann::json::parse(tiny.out);
    EXPECT_EQ(world["rngState"], 3877015868u);
    EXPECT_EQ(world["terrain"].size(), 27u);
    EXPECT_EQ(world["terrain"][2][2], 1000);
    EXPECT_EQ(world["imageRect"][2][2], nlohmann::json({0, 448, 64, 512}));
    EXPECT_EQ(world["cornerRect"][2][2][0], nlohmann::json({-1, -1, -1, -1}));
    EXPECT_EQ(Kvtool("terrain 12345 28").status, 2);
    EXPECT_EQ(Kvtool("terrain twelve 27").status, 2);
    EXPECT_EQ(Kvtool("terrain 5").status, 2);
}

}  // namespace
