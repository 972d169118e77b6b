// The button commands: what each id changes, the questions some of them ask
// and the answer each gives the screen.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/input.h"
#include "save/saved_game.h"
#include "screen_fixture.h"
#include "screens/commands.h"
#include "shell/settings.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/display.h"
#include "ui/images.h"
#include "ui/popup.h"

namespace {

class CommandsTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ASSERT_TRUE(LoadScreenImages({{kSpriteSlot, kSpriteSheetFile}}));
        theGame.state.gameType = kHotSeat;
        ResetGameState(theGame);
    }
    int Left(int id) {
        input.clickButton = 1;
        return ApplyButtonCommand(id);
    }
    int Right(int id) {
        input.clickButton = 2;
        return ApplyButtonCommand(id);
    }
    GameState& S() { return theGame.state; }
};

TEST_F(CommandsTest, TheMapSizeCyclesThroughTheFiveSizesBothWays) {
    theGame.map.mapSize = 63;
    EXPECT_EQ(Left(kMapSizeButton), kStay);
    EXPECT_EQ(theGame.map.mapSize, 27);
    EXPECT_EQ(buttonTable[kMapSizeButton].label, "TINY");
    EXPECT_EQ(Right(kMapSizeButton), kStay);
    EXPECT_EQ(theGame.map.mapSize, 63);
    EXPECT_EQ(buttonTable[kMapSizeButton].label, "HUGE");
    Right(kMapSizeButton);
    EXPECT_EQ(theGame.map.mapSize, 54);
    input.clickButton = 0;  // neither button: nothing changes, the label is set again
    ApplyButtonCommand(kMapSizeButton);
    EXPECT_EQ(theGame.map.mapSize, 54);
    EXPECT_EQ(buttonTable[kMapSizeButton].label, "LARGE");
    Left(kMapSizeButton);  // the largest size is reached from below, not skipped
    EXPECT_EQ(theGame.map.mapSize, 63);
}

TEST_F(CommandsTest, VictoryTargetsAreKeptWithinTheirRangesWhateverIsTyped) {
    // The score box opens on 20000 and the turn box on 25; Delete empties them.
    const struct {
        int id;
        const char* typed;
        int kept;
    } cases[] = {{kScoreVictoryButton, "\x7f" "100", 5000}, {kScoreVictoryButton, "\x7f" "987654", 50000},
                 {kScoreVictoryButton, "\x7f" "12345", 12345}, {kTurnVictoryButton, "\x7f" "5", 10},
                 {kTurnVictoryButton, "", 25}};
    for (const auto& c : cases) {
        for (const char* k = c.typed; *k; ++k) {
            if (*k == 0x7f) Press(VK_DELETE, 127);
            else TypeKeys(std::string(1, *k));
        }
        Press(VK_RETURN, 13);
        EXPECT_EQ(Left(c.id), kStay);
        EXPECT_EQ(c.id == kScoreVictoryButton ? S().victoryScore : S().victoryTurn, c.kept) << c.typed;
    }
    EXPECT_EQ(S().victoryType, kTurnVictory);
    EXPECT_EQ(buttonTable[kVictoryButton].label, "TURN : 25");
    Press(VK_ESCAPE, 27);  // a cancelled box changes nothing
    S().victoryType = kConquer;
    Left(kScoreVictoryButton);
    EXPECT_EQ(S().victoryType, kConquer);
    EXPECT_EQ(S().victoryScore, 12345);
}

TEST_F(CommandsTest, TheFirstSeatStaysHumanAndTheLevelCyclesBothWays) {
    Left(kSeatKindButton);
    EXPECT_EQ(S().players[0].isHuman, 1);
    Left(kSeatKindButton + 2);
    EXPECT_EQ(buttonTable[kSeatKindButton + 2].label, "HUMAN");
    Right(kComputerLevelButton);
    EXPECT_EQ(S().computerLevel, kEasy);
    Right(kComputerLevelButton);
    EXPECT_EQ(S().computerLevel, kHard);
    Left(kComputerLevelButton);
    EXPECT_EQ(S().computerLevel, kEasy);
}

TEST_F(CommandsTest, TheTerrainCyclesThroughItsPicturesAndRandomLoadsNone) {
    ASSERT_TRUE(BuildTerrainList());
    ASSERT_GE(TerrainList.size(), 2u);
    EXPECT_EQ(TerrainList[0], "RANDOM");
    terrainChoice = 0;
    DrawSurface* terrain = display.offscreenSurfaces[kTerrainSlot];
    terrain->Pixels()[0] = 0x123456;
    EXPECT_EQ(Left(kTerrainButton), kStay);
    EXPECT_EQ(terrainChoice, 1);
    EXPECT_NE(terrain->Pixels()[0], 0x123456u);
    terrainChoice = static_cast<int>(TerrainList.size()) - 1;
    terrain->Pixels()[0] = 0x123456;
    Left(kTerrainButton);
    EXPECT_EQ(terrainChoice, 0);
    EXPECT_EQ(terrain->Pixels()[0], 0x123456u);
    Right(kTerrainButton);
    EXPECT_EQ(terrainChoice, static_cast<int>(TerrainList.size()) - 1);
    TerrainList = {"RANDOM", "MISSING.BMP"};  // a picture that cannot be loaded fails
    terrainChoice = 0;
    EXPECT_EQ(Left(kTerrainButton), kFatal);
    std::filesystem::remove("Terrain");
    std::filesystem::create_directory("Terrain");
    EXPECT_FALSE(BuildTerrainList());
    EXPECT_EQ(TerrainList, std::vector<std::string>{"RANDOM"});
}

TEST_F(CommandsTest, NamesChangeOnlyForANonEmptyAnswer) {
    TypeKeys("bob\r");
    Left(kSeatNameButton + 1);
    EXPECT_EQ(S().players[1].name, "BOB");
    EXPECT_EQ(buttonTable[kSeatNameButton + 1].label, "BOB");
    TypeKeys("\r");
    Left(kSeatNameButton + 1);
    EXPECT_EQ(S().players[1].name, "BOB");
    TypeKeys("war:of?\r");
    Left(kGameNameButton);
    EXPECT_EQ(S().gameName, "WAROF");
    EXPECT_EQ(buttonTable[kGameNameButton].label, "WAROF");
}

TEST_F(CommandsTest, AColourChoiceKeepsTheEarlierSeatsAndGivesTheLaterOnesTheColoursLeft) {
    S().currentPlayer = 2;
    EXPECT_EQ(Left(kColourButton + 2), kStay);
    EXPECT_EQ(S().players[0].colour, 0);
    EXPECT_EQ(S().players[1].colour, 1);
    EXPECT_EQ(S().players[2].colour, 3);
    EXPECT_EQ(S().players[3].colour, 2);
    S().currentPlayer = 0;
    Right(kColourButton);
    EXPECT_EQ(S().players[0].colour, 3);
    EXPECT_EQ(S().players[1].colour, 0);
    EXPECT_EQ(S().players[2].colour, 1);
    EXPECT_EQ(S().players[3].colour, 2);
    S().currentPlayer = 3;  // the last seat has no choice
    Left(kColourButton + 2);
    EXPECT_EQ(S().players[3].colour, 2);
}

TEST_F(CommandsTest, LaunchAsksBeforeOverwritingAndAsksForAPasswordUntilOneIsGiven) {
    MakeSaveFileName(theGame);
    SaveGameToFile(theGame);
    Then([&] { EXPECT_EQ(popupBox.prompt, "OVERWRITE OLD GAME?"); });
    Press(VK_ESCAPE, 27);
    EXPECT_EQ(Left(kSetupLaunchButton), kStay);

    S().usePasswords = 1;
    Press(VK_RETURN, 13);  // overwrite: yes
    Then([&] { EXPECT_EQ(popupBox.prompt, "ENTER A PASSWORD TO USE"); });
    Press(VK_RETURN, 13);  // empty: asked again
    Then([&] { EXPECT_EQ(popupBox.prompt, "ENTER A PASSWORD TO USE"); });
    TypeKeys("secret\r");
    EXPECT_EQ(Left(kSetupLaunchButton), kConfirmed);
    EXPECT_EQ(S().players[0].password, "SECRET");

    S().currentPlayer = 1;  // a later seat is not asked about the file
    Press(VK_ESCAPE, 27);
    EXPECT_EQ(Left(kSetupLaunchButton), kStay);
    EXPECT_EQ(S().players[1].password, std::string(kPasswordPlaceholder));
    S().usePasswords = 0;
    EXPECT_EQ(Left(kSetupLaunchButton), kConfirmed);
}

}  // namespace
