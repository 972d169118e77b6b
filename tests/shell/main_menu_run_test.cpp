// The whole program on the fake platform with the generated art: it starts,
// shows the main menu with its buttons and leaves on EXIT GAME.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/fake_platform.h"
#include "screens/screens.h"
#include "shell/shell.h"
#include "support/temp_dir.h"
#include "ui/button_table.h"
#include "ui/display.h"

namespace {

class ProgramRun : public InTempDir {
protected:
    void SetUp() override {
        const std::filesystem::path data(KV_DATA_DIR);
        if (!std::filesystem::exists(data / "Images" / "MainMenu.bmp")) GTEST_SKIP() << "no generated art in " << data;
        InTempDir::SetUp();
        std::filesystem::copy(data / "Images", "Images");
        ResetDeviceFaults();
        SetPlatform(&fake);
        display = Display{};
    }
    void TearDown() override {
        SetPlatform(nullptr);
        if (!IsSkipped()) InTempDir::TearDown();
    }
    FakePlatform fake;
};

TEST_F(ProgramRun, TheMainMenuShowsItsButtonsAndExitGameEndsTheProgram) {
    int shownFrames = 0;
    uint32_t informationPlate = 0, exitPlate = 0;
    fake.MoveCursor(500, 320, 2);  // over INFORMATION
    fake.At(3, [&](FakePlatform& p) {
        shownFrames = p.Frames();
        informationPlate = p.Fake()->PixelAt(370, 302);
        exitPlate = p.Fake()->PixelAt(370, 512);
        if (const char* keep = std::getenv("KV_KEEP_PICTURES")) p.Fake()->SavePictureBmp(std::string(keep) + "/main-menu.bmp");
    });
    fake.Click(378, 520, 4);  // EXIT GAME, 368,510 to 656,540
    EXPECT_EQ(RunGame(GameScreens()), 0);
    EXPECT_EQ(shownFrames, 3);
    EXPECT_NE(informationPlate, exitPlate) << "the button under the cursor is lit";
    EXPECT_NE(exitPlate, 0u);
    ASSERT_GE(fake.sounds.size(), 2u);
    EXPECT_EQ(fake.sounds.front(), "Sounds\\Start.wav");
    EXPECT_EQ(fake.sounds.back(), "Sounds\\Button-Click.wav");
    EXPECT_TRUE(std::filesystem::exists("Korvessa.ini"));
    EXPECT_EQ(buttonTable[40].state, kButtonHidden) << "no saved games yet";
    EXPECT_EQ(buttonTable[41].state, kButtonHidden);
}

TEST_F(ProgramRun, AMissingBackgroundEndsTheProgramThroughTheLog) {
    std::filesystem::remove(std::filesystem::path("Images") / "MainMenu.bmp");
    EXPECT_EQ(RunGame(GameScreens()), 0);
    EXPECT_EQ(fake.Frames(), 0);
    EXPECT_TRUE(std::filesystem::exists("Korvessa.ini")) << "a failing screen still ends the run normally";
}

}  // namespace
