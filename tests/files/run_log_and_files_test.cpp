#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/files.h"
#include "platform/run_log.h"
#include "support/read_file.h"
#include "support/temp_dir.h"

namespace {

using RunLog = InTempDir;

TEST_F(RunLog, EachRunStartsAfreshAndLinesFollowInOrder) {
    StartLog("Korvessa");
    AppendLog("first run");
    StartLog("Korvessa");
    AppendLog("");
    AppendLog("--- START OF DIRECTDRAW SETUP ---\n");
    AppendLog("next");
    EXPECT_EQ(ReadFile("Run.log"), "Korvessa\n\n--- START OF DIRECTDRAW SETUP ---\n\nnext\n");
}

TEST_F(RunLog, AnUnwritableLogIsSkippedSilently) {
    std::filesystem::create_directory("Run.log");  // a folder where the file should be
    StartLog("Korvessa");
    AppendLog("still running");
    EXPECT_TRUE(std::filesystem::is_directory("Run.log"));
}

using GameFiles = InTempDir;

TEST_F(GameFiles, NamesAreWindowsStyleAndFoundWhateverTheirCase) {
    std::filesystem::create_directories("images/Sub");
    std::ofstream("images/Sub/sprites.BMP") << "x";
    EXPECT_EQ(ResolveGamePath("Images\\SUB\\Sprites.bmp"), "images/Sub/sprites.BMP");
    EXPECT_EQ(ResolveGamePath("Images\\New.bmp"), "images/New.bmp") << "a new file keeps its given name";
    EXPECT_TRUE(GameFileExists("IMAGES\\sub\\SPRITES.bmp"));
    EXPECT_FALSE(GameFileExists("Images\\Sub\\Missing.bmp"));
    FILE* file = OpenGameFile("Images\\Sub\\Sprites.bmp", "rt");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(std::fgetc(file), 'x');
    std::fclose(file);
}

TEST_F(GameFiles, SearchesMatchWildcardsWithoutCaseAndSortTheirNames) {
    std::filesystem::create_directory("Saved Games");
    for (const char* name : {"b.kv1", "A.KV1", "notes.txt", "C.Kv1x"}) std::ofstream(std::string("Saved Games/") + name);
    EXPECT_EQ(FindGameFiles("Saved Games\\*.KV1"), (std::vector<std::string>{"A.KV1", "b.kv1"}));
    EXPECT_EQ(FindGameFiles("Saved Games\\?.kv1"), (std::vector<std::string>{"A.KV1", "b.kv1"}));
    EXPECT_TRUE(FindGameFiles("Nowhere\\*.KV1").empty());
    EXPECT_TRUE(GameFileExists("Saved Games\\*.KV1"));
}

TEST_F(GameFiles, ReplacingAFileIsAllOrNothing) {
    ASSERT_TRUE(CreateGameFolder("Saved Games"));
    EXPECT_TRUE(CreateGameFolder("saved games")) << "an existing folder of any case will do";
    ASSERT_TRUE(ReplaceGameFile("Saved Games\\X.KV1", "old"));
    ASSERT_TRUE(ReplaceGameFile("Saved Games\\x.kv1", "new"));
    std::string bytes;
    ASSERT_TRUE(ReadGameFile("SAVED GAMES\\X.KV1", bytes));
    EXPECT_EQ(bytes, "new");
    EXPECT_FALSE(ReplaceGameFile("Missing Folder\\X.KV1", "lost"));
    EXPECT_FALSE(ReadGameFile("Missing Folder\\X.KV1", bytes));
    EXPECT_EQ(bytes, "new") << "a failed read leaves the destination alone";
    std::filesystem::create_directories("Saved Games/Y.KV1/inside");  // written, but cannot take the name
    EXPECT_FALSE(ReplaceGameFile("Saved Games\\Y.KV1", "lost"));
    EXPECT_EQ(FindGameFiles("Saved Games\\*.tmp*"), std::vector<std::string>{}) << "nothing left behind";
}

}  // namespace
