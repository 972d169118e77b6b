#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "game_json.h"
#include "platform/files.h"
#include "save/saved_game.h"
#include "support/game_builder.h"
#include "support/read_file.h"
#include "support/temp_dir.h"

namespace {

const char* const kGoldenGames[] = {"SOLO-GAME-01", "HOTS-FRIDAY NIGHT", "PBEM-LONG WAR"};

std::filesystem::path Golden(const std::string& name) { return std::filesystem::path(KV_TEST_DATA) / "golden" / name; }

TEST(GoldenFiles, ReadToTheirJsonAndWriteBackToTheSameBytes) {
    for (const char* name : kGoldenGames) {
        SCOPED_TRACE(name);
        const std::string bytes = ReadFile(Golden(std::string(name) + ".KV1"));
        const nlohmann::json expected = nlohmann::json::parse(ReadFile(Golden(std::string(name) + ".json")));
        LoadedGame game;
        std::string problem;
        ASSERT_TRUE(DecodeSavedGame(bytes, game, problem)) << problem;
        EXPECT_EQ(SavedGameToJson(game, PasswordsInJson::kShown), expected);

        LoadedGame fromJson;
        ASSERT_TRUE(JsonToSavedGame(expected, fromJson, problem)) << problem;
        Rng rng;
        EXPECT_EQ(EncodeSavedGame(fromJson.state, fromJson.mapSeed, fromJson.mapSize, expected["key"], rng), bytes);
        EXPECT_EQ(rng.state, game.rng.state) << "both sides end on the same draw";
    }
}

// A small game of two seats with a few units, as the end of a turn holds it,
// and the working folder's saved games folder for it.
Game SampleGame() {
    std::filesystem::create_directory("Saved Games");
    Game game = MakeTestGame(kHotSeat, 36, 4242);
    game.state.gameName = "NIGHT OWLS";
    game.map.mapSeed = 123456;
    game.state.players[0].name = "ANNA B.";
    CreateUnit(game, 2, 2, 0, kBase);
    CreateUnit(game, 2, 4, 0, kStandard);
    CreateUnit(game, 33, 33, 1, kTank);
    MakeSaveFileName(game);
    return game;
}

using SaveAndLoad = InTempDir;

// Only active units are stored, packed down in slot order; every save draws a
// new key, so the bytes differ, but the game reads back the same, and the
// generator goes on from where the save left it.
TEST_F(SaveAndLoad, StoresActiveUnitsPackedUnderANewKeyEachTime) {
    Game game = SampleGame();
    EXPECT_EQ(game.saveFileName, "HOTS-NIGHT OWLS.KV1");
    game.state.units[1].state = kDestroyed;  // exploding: not stored
    game.state.units[5] = game.state.units[2], game.state.units[5].x = 20;  // slot 5 packs down after slot 2
    std::string files[2];
    for (std::string& bytes : files) {
        ASSERT_TRUE(SaveGameToFile(game));
        bytes = ReadFile("Saved Games/HOTS-NIGHT OWLS.KV1");
        Game loaded;
        loaded.saveFileName = game.saveFileName;
        ASSERT_TRUE(LoadGameFromFile(loaded));
        EXPECT_EQ(loaded.rng.state, game.rng.state);
        EXPECT_EQ(loaded.map.mapSeed * 100 + loaded.map.mapSize, 123456 * 100 + 36);
        EXPECT_EQ(loaded.state.players, game.state.players);
        std::vector<std::pair<int, int>> units;
        for (const Unit& u : loaded.state.units)
            if (u.state == kActive) units.push_back({u.type, u.x});
        EXPECT_EQ(units, (std::vector<std::pair<int, int>>{{kBase, 2}, {kTank, 33}, {kTank, 20}}));
        game.hooks.tickCount = [] { return 99999u; };
    }
    EXPECT_NE(files[0], files[1]);
}

TEST(Encoding, AKeyOfMoreThanFourDigitsIsRefused) {
    // The golden game's key 9998 written with five digits.
    std::string padded = ReadFile(Golden("PBEM-LONG WAR.KV1"));
    ASSERT_EQ(padded.substr(0, 5), std::string("\x04" "9998", 5));
    padded.replace(0, 5, std::string("\x05" "09998", 6));
    LoadedGame loaded;
    std::string problem;
    EXPECT_FALSE(DecodeSavedGame(padded, loaded, problem));
}

// A game just set up (no world yet, no units) stores a count of zero, and
// reading it over another game frees every slot.
TEST(Encoding, AGameWithoutUnitsReadsBackWithEverySlotFree) {
    const Game game = MakeTestGame(kSinglePlayer, 45);
    Rng rng;
    LoadedGame loaded;
    for (Unit& u : loaded.state.units) u.state = kActive;
    std::string problem;
    ASSERT_TRUE(DecodeSavedGame(EncodeSavedGame(game.state, -1, 45, 12, rng), loaded, problem)) << problem;
    for (const Unit& u : loaded.state.units) EXPECT_EQ(u.state, kFree);
}

TEST_F(SaveAndLoad, AFailedWriteKeepsTheOldFileAndTheGame) {
    Game game = SampleGame();
    ASSERT_TRUE(SaveGameToFile(game));
    const std::string good = ReadFile("Saved Games/HOTS-NIGHT OWLS.KV1");
    game.saveFolder = "No Such Folder";
    const uint32_t rngBefore = game.rng.state;
    EXPECT_FALSE(SaveGameToFile(game));
    EXPECT_EQ(game.rng.state, rngBefore);
    EXPECT_EQ(ReadFile("Run.log"),
              "*ERROR* : SaveGameToFile()\nfopen(\"No Such Folder\\HOTS-NIGHT OWLS.KV1\") == NULL\n");
    EXPECT_EQ(ReadFile("Saved Games/HOTS-NIGHT OWLS.KV1"), good);
    size_t files = 0;
    for (auto& entry : std::filesystem::directory_iterator("Saved Games")) files += entry.is_regular_file();
    EXPECT_EQ(files, 1u) << "no temporary file is left behind";
}

// Without a crash, and the game in memory left exactly as it was (checked
// after every refusal, the missing file's too); a missing file is logged.
TEST_F(SaveAndLoad, MissingAndTruncatedFilesAreRefusedCleanly) {
    Game game = SampleGame();
    ASSERT_TRUE(SaveGameToFile(game));
    const std::string good = ReadFile("Saved Games/HOTS-NIGHT OWLS.KV1");
    game.state.players[3].name = "UNTOUCHED";  // unlike the file
    const GameState before = game.state;
    const uint32_t rngBefore = game.rng.state;
    game.saveFileName = "NOPE.KV1";
    EXPECT_FALSE(LoadGameFromFile(game));
    EXPECT_EQ(ReadFile("Run.log"), "*ERROR* : LoadGameFromFile()\nfopen(\"Saved Games\\NOPE.KV1\") == NULL\n");
    for (size_t cut = 0; cut < good.size(); ++cut) {
        std::ofstream("Saved Games/CUT.KV1", std::ios::binary) << good.substr(0, cut);
        game.saveFileName = "CUT.KV1";
        ASSERT_FALSE(LoadGameFromFile(game)) << "cut at " << cut;
        ASSERT_EQ(game.state, before);
    }
    EXPECT_EQ(game.rng.state, rngBefore);
}

// A file holding a value out of range or a state no play reaches (such as a
// flipped byte in a mail attachment makes) is refused by the JSON reader and
// by the decoder alike, naming the fault; what the records check finds is the
// invariants' business.
TEST(Checks, AFileTheRecordsCheckRefusesIsRefusedBothWays) {
    const nlohmann::json good = nlohmann::json::parse(ReadFile(Golden("PBEM-LONG WAR.json")));
    const std::pair<const char*, std::function<void(nlohmann::json&)>> damages[] = {
        {"mapSize", [](nlohmann::json& j) { j["mapSize"] = 44; }},
        {"owner", [](nlohmann::json& j) { j["units"][0]["owner"] = 4; }},
        {"shares its tile", [](nlohmann::json& j) { for (auto c : {"x", "y"}) j["units"][1][c] = j["units"][0][c]; }},
    };
    for (const auto& [what, apply] : damages) {
        nlohmann::json bad = good;
        apply(bad);
        LoadedGame raw, decoded;
        std::string problem;
        ASSERT_TRUE(JsonToSavedGame(good, raw, problem));
        EXPECT_FALSE(JsonToSavedGame(bad, raw, problem));
        EXPECT_NE(problem.find(what), std::string::npos) << what << ": " << problem;
        Rng rng;  // encoded without the checks, to get a file holding the bad value
        const std::string file = EncodeSavedGame(raw.state, raw.mapSeed, raw.mapSize, 5, rng);
        EXPECT_FALSE(DecodeSavedGame(file, decoded, problem)) << what;
    }
}

}  // namespace
