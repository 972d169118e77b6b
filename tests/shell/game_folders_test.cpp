// Where the program finds its data and keeps the player's files, and the
// program itself started from a foreign folder without a display.
#include "shell/game_folders.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/read_file.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

TEST(StartOptions, ReadTheDataFolderAndHelpAndRefuseAnythingElse) {
    struct Case { std::vector<std::string> args; bool ok; std::string dataFolder; bool help; };
    const Case cases[] = {
        {{}, true, "", false},
        {{"--data", "Games"}, true, "Games", false},
        {{"--data=My Games"}, true, "My Games", false},
        {{"-h"}, true, "", true},
        {{"--data"}, false, "", false},
        {{"--data="}, false, "", false},
        {{"Games"}, false, "", false},
    };
    for (const Case& c : cases) {
        StartOptions options;
        std::string problem;
        const std::string shown = c.args.empty() ? "(none)" : c.args[0];
        EXPECT_EQ(ParseStartOptions(c.args, options, problem), c.ok) << shown;
        EXPECT_EQ(problem.empty(), c.ok) << shown;
        if (!c.ok) continue;
        EXPECT_EQ(std::pair(options.dataFolder, options.showHelp), std::pair(fs::path(c.dataFolder), c.help)) << shown;
    }
}

TEST(UserDataFolder, FollowsTheDesktopFolderRules) {
    struct Case { const char* xdg; const char* home; const char* expected; };
    const Case cases[] = {
        {"/x/data", "/home/ann", "/x/data/korvessa"},
        {"relative/data", "/home/ann", "/home/ann/.local/share/korvessa"},
        {"", "/home/ann", "/home/ann/.local/share/korvessa"},
        {nullptr, "", ""},
        {nullptr, nullptr, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UserDataFolder(c.xdg, c.home), fs::path(c.expected)) << (c.xdg ? c.xdg : "-") << " " << (c.home ? c.home : "-");
}

class GameFoldersTest : public InTempDir {
protected:
    static void MakeData(const fs::path& folder, const std::string& sprites = "sheet") {
        for (const char* sub : {"Images", "Terrain"}) fs::create_directories(folder / sub);
        std::ofstream(folder / "Images" / "Sprites.bmp") << sprites;
        std::ofstream(folder / "Terrain" / "DESERT.BMP") << "sand";
        std::ofstream(folder / "KV-MANUAL.HTML") << "manual";
        std::ofstream(folder / "korvessa") << "a program";
    }
    bool Find(const StartOptions& options, const fs::path& user) {
        return FindGameFolders(options, {dir_ / "bin" / "data", dir_ / "bin", dir_ / "share"}, user, folders, problem);
    }
    GameFolders folders;
    std::string problem;
};

TEST_F(GameFoldersTest, DataComesFromTheFirstCandidateHoldingItElseThePortableFolderAndTheWorkFolderFromTheOptions) {
    MakeData(dir_ / "mine");  // without a candidate, a portable folder may hold the data itself
    ASSERT_TRUE(Find({.dataFolder = "mine"}, fs::path())) << problem << " (--data needs no HOME)";
    EXPECT_EQ(std::pair(folders.data, folders.work), std::pair(dir_ / "mine", dir_ / "mine"))
        << "a relative --data is taken from the starting folder";
    EXPECT_TRUE(PrepareWorkFolder(folders, problem)) << problem;

    MakeData(dir_ / "bin");
    MakeData(dir_ / "share");
    ASSERT_TRUE(Find({}, dir_ / "user")) << problem;
    EXPECT_EQ(std::pair(folders.data, folders.work), std::pair(dir_ / "bin", dir_ / "user"));
}

TEST_F(GameFoldersTest, MissingDataOrNoHomeIsExplained) {
    EXPECT_FALSE(Find({}, dir_ / "user"));
    EXPECT_NE(problem.find("missing"), std::string::npos) << problem;
    EXPECT_NE(problem.find((dir_ / "bin" / "data").string()), std::string::npos) << problem;
    problem.clear();
    EXPECT_FALSE(Find({}, fs::path()));
    EXPECT_NE(problem.find("--data"), std::string::npos) << problem;
}

TEST_F(GameFoldersTest, TheWorkFolderGetsNewerDataAndKeepsThePlayersOwnFiles) {
    MakeData(dir_ / "build");
    const GameFolders both{dir_ / "build", dir_ / "user" / "korvessa"};
    ASSERT_TRUE(PrepareWorkFolder(both, problem)) << problem;
    EXPECT_EQ(ReadFile(both.work / "KV-MANUAL.HTML"), "manual");
    EXPECT_FALSE(fs::exists(both.work / "korvessa")) << "only the game's data is copied";

    std::ofstream(both.work / "Terrain" / "MOON.BMP") << "a player's own";
    const auto later = fs::last_write_time(both.work / "Images" / "Sprites.bmp") + std::chrono::hours(1);
    MakeData(dir_ / "build", "new sheet");
    fs::last_write_time(dir_ / "build" / "Images" / "Sprites.bmp", later);
    ASSERT_TRUE(PrepareWorkFolder(both, problem)) << problem;
    EXPECT_EQ(ReadFile(both.work / "Images" / "Sprites.bmp"), "new sheet");
    EXPECT_EQ(ReadFile(both.work / "Terrain" / "MOON.BMP"), "a player's own");

    std::ofstream(dir_ / "taken") << "a file where the folder should be";
    EXPECT_FALSE(PrepareWorkFolder({dir_ / "build", dir_ / "taken"}, problem));
    EXPECT_NE(problem.find("cannot create"), std::string::npos) << problem;
}

TEST_F(GameFoldersTest, TheProgramWithoutADisplaySaysSoAndLeavesTheStartingFolderAlone) {
    const fs::path program = KORVESSA_PATH;
    if (!HoldsGameData(program.parent_path() / "data")) GTEST_SKIP() << "the build made no data";
    fs::create_directory("start");
    fs::current_path("start");
    const ProgramResult run = RunProgram(
        "/usr/bin/env", "-u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy XDG_DATA_HOME='" +
                            (dir_ / "xdg").string() + "' '" + program.string() + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot open a window"), std::string::npos) << run.err;
    fs::remove("stderr.txt");
    EXPECT_TRUE(fs::is_empty(".")) << "nothing is written into the starting folder";
    EXPECT_TRUE(HoldsGameData(dir_ / "xdg" / "korvessa")) << "the data went to the player's folder";
}

}  // namespace
