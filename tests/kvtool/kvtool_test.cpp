#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>
#include <sys/wait.h>

#include "support/temp_dir.h"

namespace {

struct Result {
    int status = -1;
    std::string out;
};

// Runs kvtool with a shell command line tail, capturing standard output.
Result Kvtool(const std::string& arguments) {
    Result result;
    FILE* pipe = popen((std::string("'") + KVTOOL_PATH + "' " + arguments + " 2>/dev/null").c_str(), "r");
    if (!pipe) return result;
    char buffer[65536];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, got);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

const std::string kGolden = std::string(KV_TEST_DATA) + "/golden/";

using KvtoolCommands = InTempDir;

TEST_F(KvtoolCommands, WriteWithAKeyThenShowGivesBackTheSameJson) {
    for (const char* name : {"SOLO-GAME-01", "HOTS-FRIDAY NIGHT", "PBEM-LONG WAR"}) {
        const std::string json = kGolden + name + ".json";
        ASSERT_EQ(Kvtool("write out.KV1 --key 7 < '" + json + "'").status, 0);
        const Result shown = Kvtool("show out.KV1");
        ASSERT_EQ(shown.status, 0);
        nlohmann::json expected = nlohmann::json::parse(ReadBytes(json));
        expected["key"] = 7;
        EXPECT_EQ(nlohmann::json::parse(shown.out), expected) << name;
    }
}

TEST_F(KvtoolCommands, ShowPrintsTheGoldenJsonTextExactly) {
    const Result shown = Kvtool("show '" + kGolden + "HOTS-FRIDAY NIGHT.KV1'");
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.out, ReadBytes(kGolden + "HOTS-FRIDAY NIGHT.json"));
}

TEST_F(KvtoolCommands, BadInputIsRefusedAndWritesNothing) {
    std::ofstream("bad.json") << "{\"gameName\": ";
    EXPECT_EQ(Kvtool("write out.KV1 < bad.json").status, 1);
    nlohmann::json game = nlohmann::json::parse(ReadBytes(kGolden + "SOLO-GAME-01.json"));
    game.erase("turn");
    std::ofstream("missing.json") << game.dump();
    EXPECT_EQ(Kvtool("write out.KV1 < missing.json").status, 1);
    game = nlohmann::json::parse(ReadBytes(kGolden + "SOLO-GAME-01.json"));
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
    const Result tiny = Kvtool("terrain 12345 27");
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
