// The button commands: what each id changes, the questions some of them ask
// and the answer each gives the screen.
#include <gtest/gtest.h>

#include <filesystem>

#include "save/saved_game.h"
#include "screen_fixture.h"
#include "screens/commands.h"
#include "shell/input.h"
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
    EXPECT_EQ(Left(4), 10);
    EXPECT_EQ(theGame.map.mapSize, 27);
    EXPECT_EQ(buttonTable[4].label, "TINY");
    EXPECT_EQ(Right(4), 10);
    EXPECT_EQ(theGame.map.mapSize, 63);
    EXPECT_EQ(buttonTable[4].label, "HUGE");
    Right(4);
    EXPECT_EQ(theGame.map.mapSize, 54);
    input.clickButton = 0;  // neither button: nothing changes, the label is set again
    ApplyButtonCommand(4);
    EXPECT_EQ(theGame.map.mapSize, 54);
    EXPECT_EQ(buttonTable[4].label, "LARGE");
    Left(4);  // the largest size is reached from below, not skipped
    EXPECT_EQ(theGame.map.mapSize, 63);
}

TEST_F(CommandsTest, VictoryTargetsAreKeptWithinTheirRangesWhateverIsTyped) {
    // The score box opens on 20000 and the turn box on 25; Delete empties them.
    const struct {
        int id;
        const char* typed;
        int kept;
    } cases[] = {{6, "\x7f" "100", 5000}, {6, "\x7f" "987654", 50000}, {6, "\x7f" "12345", 12345},
                 {7, "\x7f" "5", 10}, {7, "", 25}};
    for (const auto& c : cases) {
        for (const char* k = c.typed; *k; ++k) {
            if (*k == 0x7f) Press(VK_DELETE, 127);
            else TypeKeys(std::string(1, *k));
        }
        Press(VK_RETURN, 13);
        EXPECT_EQ(Left(c.id), 10);
        EXPECT_EQ(c.id == 6 ? S().victoryScore : S().victoryTurn, c.kept) << c.typed;
    }
    EXPECT_EQ(S().victoryType, kTurnVictory);
    EXPECT_EQ(buttonTable[25].label, "TURN : 25");
    Press(VK_ESCAPE, 27);  // a cancelled box changes nothing
    S().victoryType = kConquer;
    Left(6);
    EXPECT_EQ(S().victoryType, kConquer);
    EXPECT_EQ(S().victoryScore, 12345);
}

TEST_F(CommandsTest, TheFirstSeatStaysHumanAndTheLevelCyclesBothWays) {
    Left(19);
    EXPECT_EQ(S().players[0].isHuman, 1);
    Left(21);
    EXPECT_EQ(buttonTable[21].label, "HUMAN");
    Right(27);
    EXPECT_EQ(S().computerLevel, kEasy);
    Right(27);
    EXPECT_EQ(S().computerLevel, kHard);
    Left(27);
    EXPECT_EQ(S().computerLevel, kEasy);
}

TEST_F(CommandsTest, TheTerrainCyclesThroughItsPicturesAndRandomLoadsNone) {
    ASSERT_TRUE(BuildTerrainList());
    ASSERT_GE(TerrainList.size(), 2u);
    EXPECT_EQ(TerrainList[0], "RANDOM");
    terrainChoice = 0;
    DrawSurface* terrain = display.offscreenSurfaces[kTerrainSlot];
    terrain->Pixels()[0] = 0x123456;
    EXPECT_EQ(Left(26), 10);
    EXPECT_EQ(terrainChoice, 1);
    EXPECT_NE(terrain->Pixels()[0], 0x123456u);
    terrainChoice = static_cast<int>(TerrainList.size()) - 1;
    terrain->Pixels()[0] = 0x123456;
    Left(26);
    EXPECT_EQ(terrainChoice, 0);
    EXPECT_EQ(terrain->Pixels()[0], 0x123456u);
    Right(26);
    EXPECT_EQ(terrainChoice, static_cast<int>(TerrainList.size()) - 1);
    TerrainList = {"RANDOM", "MISSING.BMP"};  // a picture that cannot be loaded fails
    terrainChoice = 0;
    EXPECT_EQ(Left(26), 14);
    std::filesystem::remove("Terrain");
    std::filesystem::create_directory("Terrain");
    EXPECT_FALSE(BuildTerrainList());
    EXPECT_EQ(TerrainList, std::vector<std::string>{"RANDOM"});
}

TEST_F(CommandsTest, NamesChangeOnlyForANonEmptyAnswer) {
    TypeKeys("bob\r");
    Left(16);
    EXPECT_EQ(S().players[1].name, "BOB");
    EXPECT_EQ(buttonTable[16].label, "BOB");
    TypeKeys("\r");
    Left(16);
    EXPECT_EQ(S().players[1].name, "BOB");
    TypeKeys("war:of?\r");
    Left(10);
    EXPECT_EQ(S().gameName, "WAROF");
    EXPECT_EQ(buttonTable[10].label, "WAROF");
}

TEST_F(CommandsTest, AColourChoiceKeepsTheEarlierSeatsAndGivesTheLaterOnesTheColoursLeft) {
    S().currentPlayer = 2;
    EXPECT_EQ(Left(34), 10);
    EXPECT_EQ(S().players[0].colour, 0);
    EXPECT_EQ(S().players[1].colour, 1);
    EXPECT_EQ(S().players[2].colour, 3);
    EXPECT_EQ(S().players[3].colour, 2);
    S().currentPlayer = 0;
    Right(32);
    EXPECT_EQ(S().players[0].colour, 3);
    EXPECT_EQ(S().players[1].colour, 0);
    EXPECT_EQ(S().players[2].colour, 1);
    EXPECT_EQ(S().players[3].colour, 2);
    S().currentPlayer = 3;  // the last seat has no choice
    Left(34);
    EXPECT_EQ(S().players[3].colour, 2);
}

TEST_F(CommandsTest, LaunchAsksBeforeOverwritingAndAsksForAPasswordUntilOneIsGiven) {
    MakeSaveFileName(theGame);
    SaveGameToFile(theGame);
    Then([&] { EXPECT_EQ(popupBox.prompt, "OVERWRITE OLD GAME?"); });
    Press(VK_ESCAPE, 27);
    EXPECT_EQ(Left(9), 10);

    S().usePasswords = 1;
    Press(VK_RETURN, 13);  // overwrite: yes
    Then([&] { EXPECT_EQ(popupBox.prompt, "ENTER A PASSWORD TO USE"); });
    Press(VK_RETURN, 13);  // empty: asked again
    Then([&] { EXPECT_EQ(popupBox.prompt, "ENTER A PASSWORD TO USE"); });
    TypeKeys("secret\r");
    EXPECT_EQ(Left(9), 12);
    EXPECT_EQ(S().players[0].password, "SECRET");

    S().currentPlayer = 1;  // a later seat is not asked about the file
    Press(VK_ESCAPE, 27);
    EXPECT_EQ(Left(9), 10);
    EXPECT_EQ(S().players[1].password, std::string(kPasswordPlaceholder));
    S().usePasswords = 0;
    EXPECT_EQ(Left(9), 12);
}

}  // namespace
