#include "shell/shell.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "shell/settings.h"
#include "support/fake_display.h"
#include "support/read_file.h"
#include "support/temp_dir.h"

namespace {

class ShellTest : public InTempDir {
protected:
    void SetUp() override {
        InTempDir::SetUp();
        ResetDeviceTestSeam();
        SetPlatform(&fake);
        display = Display{};
    }
    void TearDown() override {
        LeaveFakePlatform(display);
        InTempDir::TearDown();
    }
    // Screens that only note the display and the start-up values they found.
    ScreenTable QuitAtOnce() {
        ScreenTable table;
        table.fill([] { return static_cast<int>(kFatal); });
        table[*ScreenIndex(kMainMenuScreen)] = [this] {
            sawDisplay = display.backSurface != nullptr;
            return static_cast<int>(kQuit);
        };
        return table;
    }
    FakePlatform fake;
    bool sawDisplay = false;
};

TEST_F(ShellTest, ARunLogsItsStartSetsUpTheDisplayAndSavesTheSettingsAtTheEnd) {
    std::ofstream("Korvessa.ini") << "hots-game-01.kv1\n250\n24\n";
    settings.scrollDelay = 1;
    theGame.saveFileName = "SOLO-OLD.KV1";
    EXPECT_EQ(RunGame(QuitAtOnce()), 0);
    EXPECT_TRUE(sawDisplay);
    EXPECT_EQ(fake.title, "Korvessa");
    EXPECT_EQ(settings.scrollDelay, 250);
    const std::string log = ReadFile("Run.log");
    EXPECT_EQ(log.rfind("Korvessa\n", 0), 0u);
    EXPECT_NE(log.find("Requested Bits Per Pixel : 24"), std::string::npos) << "the settings come before the display";
    // No game was made current in this run, so the last game is forgotten.
    EXPECT_EQ(ReadFile("Korvessa.ini"), "\n250\n24\n--- EOF MARKER : DO NOT REMOVE ---\n");
    EXPECT_TRUE(std::filesystem::is_directory("Saved Games"));
    EXPECT_EQ(display.backSurface, nullptr) << "the display is released at the end";
}

// Without a window or a display the player is told so, and the run fails
// at once: no screen, no settings written; without a window the log stops at its first lines.
TEST_F(ShellTest, NoWindowOrNoDisplayIsToldOnStderrAndEndsTheRunWithoutWritingSettings) {
    const std::tuple<const char*, void (*)(FakePlatform&), int> cases[] = {
        {"cannot open a window", [](FakePlatform& f) { f.windowCreationFails = true; }, 2},
        {"display could not be set up", [](FakePlatform&) { DeviceTestSeam().create = DDERR_NODIRECTDRAWHW; }, -1},
    };
    for (const auto& [said, arrange, logLines] : cases) {
        arrange(fake);
        testing::internal::CaptureStderr();
        EXPECT_EQ(RunGame(QuitAtOnce()), kExitFailed);
        EXPECT_NE(testing::internal::GetCapturedStderr().find(said), std::string::npos) << said;
        const std::string log = ReadFile("Run.log");
        EXPECT_TRUE(logLines < 0 || std::count(log.begin(), log.end(), '\n') == logLines) << log;
        EXPECT_FALSE(std::filesystem::exists("Korvessa.ini")) << said;
        fake.windowCreationFails = false;
    }
}

// A screen that fails (a missing background, say) still ends the run
// normally, with the settings saved, but not as a success.
TEST_F(ShellTest, WhileTheProgramRunsTheGameClockIsThePlatformClockAndAFailingScreenEndsItNormally) {
    ScreenTable table = QuitAtOnce();
    table[*ScreenIndex(kMainMenuScreen)] = [&] {
        fake.Advance(12345);
        EXPECT_EQ(theGame.TickCount(), fake.TickCount());
        theGame.PlaySound("Sounds\\Buzzer.wav");
        return static_cast<int>(kFatal);
    };
    testing::internal::CaptureStderr();
    EXPECT_EQ(RunGame(table), kExitFailed);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("stopped after a failure"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists("Korvessa.ini"));
    EXPECT_EQ(fake.sounds.back(), "Sounds\\Buzzer.wav");
    // Closing the window ends the screens the same way, as the player's way out.
    table[*ScreenIndex(kMainMenuScreen)] = [&] { fake.Fake()->Destroy(); return static_cast<int>(kFatal); };
    EXPECT_EQ(RunGame(table), kExitDone);
}

}  // namespace
