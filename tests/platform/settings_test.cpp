// The settings file: its four lines, its reading rules and the files people
// edit by hand.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "shell/settings.h"
#include "support/temp_dir.h"

namespace {

using SettingsFile = InTempDir;

void WriteFile(const std::string& name, const std::string& bytes) {
    std::ofstream out(name, std::ios::binary);
    out << bytes;
}

std::string ReadFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

Settings Defaults() {
    Settings s;
    s.lastGame = "SOMETHING";
    s.scrollDelay = -9;
    s.colourDepth = -9;
    SetDefaultSettings(s);
    return s;
}

TEST_F(SettingsFile, DefaultsAreEmptyFifteenAndThirtyTwo) {
    const Settings s = Defaults();
    EXPECT_EQ(s.lastGame, "");
    EXPECT_EQ(s.scrollDelay, 15);
    EXPECT_EQ(s.colourDepth, 32);
}

TEST_F(SettingsFile, NoFileKeepsTheDefaultsAndSavingWritesFourLines) {
    Settings s = Defaults();
    LoadINI(s);
    EXPECT_EQ(s.scrollDelay, 15);
    EXPECT_EQ(s.colourDepth, 32);
    ASSERT_TRUE(SaveINI(s, ""));
    EXPECT_EQ(ReadFile("Korvessa.ini"), "\n15\n32\n--- EOF MARKER : DO NOT REMOVE ---\n");
    EXPECT_FALSE(std::filesystem::exists("Run.log")) << "nothing to report";
}

TEST_F(SettingsFile, SavingUpperCasesTheGameNameAndReadsBackTheSame) {
    Settings s = Defaults();
    s.scrollDelay = 40;
    s.colourDepth = 16;
    ASSERT_TRUE(SaveINI(s, "hots-Game-01.kv1"));
    EXPECT_EQ(s.lastGame, "HOTS-GAME-01.KV1");
    EXPECT_EQ(ReadFile("Korvessa.ini"),
              "HOTS-GAME-01.KV1\n40\n16\n--- EOF MARKER : DO NOT REMOVE ---\n");
    Settings back = Defaults();
    LoadINI(back);
    EXPECT_EQ(back.lastGame, "HOTS-GAME-01.KV1");
    EXPECT_EQ(back.scrollDelay, 40);
    EXPECT_EQ(back.colourDepth, 16);
}

TEST_F(SettingsFile, ReadingUpperCasesOnlyLettersAndUsesValuesUnclamped) {
    WriteFile("Korvessa.ini", "hots-game-01.kv1 (é)\n250\n8\n");
    Settings s = Defaults();
    LoadINI(s);
    EXPECT_EQ(s.lastGame, "HOTS-GAME-01.KV1 (é)");
    EXPECT_EQ(s.scrollDelay, 250);
    EXPECT_EQ(s.colourDepth, 8);
}

TEST_F(SettingsFile, NumbersAreReadTheDecimalWay) {
    WriteFile("Korvessa.ini", "\n  -12abc\nxyz\n");
    Settings s = Defaults();
    LoadINI(s);
    EXPECT_EQ(s.lastGame, "");
    EXPECT_EQ(s.scrollDelay, -12);
    EXPECT_EQ(s.colourDepth, 0) << "no digits reads as 0";
}

TEST_F(SettingsFile, LastLineWithoutLineEndIsReadWhole) {
    WriteFile("Korvessa.ini", "SOLO-A.KV1\n20\n24");
    Settings s = Defaults();
    LoadINI(s);
    EXPECT_EQ(s.lastGame, "SOLO-A.KV1");
    EXPECT_EQ(s.scrollDelay, 20);
    EXPECT_EQ(s.colourDepth, 24);
}

TEST_F(SettingsFile, MissingLinesKeepTheirDefaults) {
    WriteFile("Korvessa.ini", "SOLO-A.KV1\n");
    Settings s = Defaults();
    LoadINI(s);
    EXPECT_EQ(s.lastGame, "SOLO-A.KV1");
    EXPECT_EQ(s.scrollDelay, 15);
    EXPECT_EQ(s.colourDepth, 32);
    WriteFile("Korvessa.ini", "");
    Settings empty = Defaults();
    LoadINI(empty);
    EXPECT_EQ(empty.lastGame, "");
    EXPECT_EQ(empty.scrollDelay, 15);
}

TEST_F(SettingsFile, LinesEndingTheOtherSystemsWayReadTheSame) {
    WriteFile("Korvessa.ini", "PBEM-X.KV1\r\n30\r\n16\r\n--- EOF MARKER : DO NOT REMOVE ---\r\n");
    Settings s = Defaults();
    LoadINI(s);
    EXPECT_EQ(s.lastGame, "PBEM-X.KV1");
    EXPECT_EQ(s.scrollDelay, 30);
    EXPECT_EQ(s.colourDepth, 16);
}

TEST_F(SettingsFile, OverlongFirstLineShiftsTheLaterSettings) {
    const std::string longName(130, 'a');
    WriteFile("Korvessa.ini", longName + "\n45\n16\n");
    Settings s = Defaults();
    LoadINI(s);
    EXPECT_EQ(s.lastGame, std::string(127, 'A'));
    EXPECT_EQ(s.scrollDelay, 0) << "the rest of the long line, \"aaa\"";
    EXPECT_EQ(s.colourDepth, 45);
}

TEST_F(SettingsFile, HugeNumbersStopAtTheEndsOfTheRange) {
    WriteFile("Korvessa.ini", "\n99999999999999999999\n-99999999999999999999\n");
    Settings s = Defaults();
    LoadINI(s);
    EXPECT_EQ(s.scrollDelay, 2147483647);
    EXPECT_EQ(s.colourDepth, -2147483647 - 1);
}

TEST_F(SettingsFile, FileFoundWhateverTheCaseOfItsName) {
    WriteFile("korvessa.INI", "SOLO-B.KV1\n5\n24\n");
    Settings s = Defaults();
    LoadINI(s);
    EXPECT_EQ(s.scrollDelay, 5);
}

TEST_F(SettingsFile, FailureToWriteIsReportedInTheLog) {
    // A folder where the file should be makes creating the file fail.
    std::filesystem::create_directory("Korvessa.ini");
    std::filesystem::create_directory("Korvessa.ini/inside");
    Settings s = Defaults();
    EXPECT_FALSE(SaveINI(s, "solo-a.kv1"));
    EXPECT_EQ(s.lastGame, "SOLO-A.KV1");
    EXPECT_EQ(ReadFile("Run.log"), "*ERROR* : SaveINI()\nfopen() == NULL\n");
}

TEST(Decimal, ReadsLikeTheStandardConversion) {
    EXPECT_EQ(ParseDecimal("42"), 42);
    EXPECT_EQ(ParseDecimal("  \t+7x"), 7);
    EXPECT_EQ(ParseDecimal("-0"), 0);
    EXPECT_EQ(ParseDecimal(""), 0);
    EXPECT_EQ(ParseDecimal("- 5"), 0);
    EXPECT_EQ(ParseDecimal("1 2"), 1);
}

}  // namespace
