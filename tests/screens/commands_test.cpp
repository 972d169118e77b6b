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
}

TEST_F(CommandsTest, AVictoryScoreIsKeptWithinItsRangeWhateverIsTyped) {
    Then([&] { EXPECT_EQ(popupBox.text, "20000"); });
    Press(VK_DELETE, 127);
    TypeKeys("100\r");
    EXPECT_EQ(Left(6), 10);
    EXPECT_EQ(S().victoryType, kScoreVictory);
    EXPECT_EQ(S().victoryScore, 5000);
    EXPECT_EQ(buttonTable[25].label, "SCORE : 5000");

    Press(VK_DELETE, 127);
    TypeKeys("987654\r");  // five characters at most
    Left(6);
    EXPECT_EQ(S().victoryScore, 50000);

    Press(VK_DELETE, 127);
    TypeKeys("12345\r");
    Left(6);
    EXPECT_EQ(S().victoryScore, 12345);

    Press(VK_ESCAPE, 27);  // a cancelled box changes nothing
    S().victoryType = kConquer;
    Left(6);
    EXPECT_EQ(S().victoryType, kConquer);
    EXPECT_EQ(S().victoryScore, 12345);
}

TEST_F(CommandsTest, AVictoryTurnIsKeptBetweenTenAndAHundred) {
    Press(VK_BACK, 8);
    Press(VK_BACK, 8);
    TypeKeys("5\r");
    Left(7);
    EXPECT_EQ(S().victoryType, kTurnVictory);
    EXPECT_EQ(S().victoryTurn, 10);
    EXPECT_EQ(buttonTable[25].label, "TURN : 10");
    TypeKeys("\r");  // the preset 25
    Left(7);
    EXPECT_EQ(S().victoryTurn, 25);
    EXPECT_EQ(Left(5), 10);
    EXPECT_EQ(S().victoryType, kConquer);
    EXPECT_EQ(buttonTable[25].label, "CONQUER");
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

TEST_F(CommandsTest, SeatsKindsPasswordsLevelsAndFactionsToggleAndCycle) {
    Left(13);
    EXPECT_EQ(S().players[2].seatOpen, 1);
    EXPECT_EQ(buttonTable[13].label, "OPEN");
    Left(13);
    EXPECT_EQ(buttonTable[13].label, "CLOSED");
    Left(21);
    EXPECT_EQ(S().players[2].isHuman, 1);
    EXPECT_EQ(buttonTable[21].label, "HUMAN");
    Left(19);
    EXPECT_EQ(S().players[0].isHuman, 1);  // the first seat stays human
    Left(23);
    EXPECT_EQ(S().usePasswords, 1);
    EXPECT_EQ(buttonTable[23].label, "PASSWORD ENABLED");
    Right(27);
    EXPECT_EQ(S().computerLevel, kEasy);
    Right(27);
    EXPECT_EQ(S().computerLevel, kHard);
    Left(27);
    EXPECT_EQ(S().computerLevel, kEasy);
    Right(28);
    EXPECT_EQ(S().players[0].faction, kPanther);
    EXPECT_EQ(buttonTable[28].label, "PANTHER");
    Left(28);
    EXPECT_EQ(buttonTable[28].label, "FIREBIRD");
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

TEST_F(CommandsTest, TheTerrainCyclesThroughTheListAndLoadsEveryPictureButRandom) {
    ASSERT_TRUE(BuildTerrainList());
    ASSERT_GE(TerrainList.size(), 2u);
    EXPECT_EQ(TerrainList[0], "RANDOM");
    for (size_t i = 1; i < TerrainList.size(); ++i) EXPECT_EQ(TerrainList[i].substr(TerrainList[i].size() - 4), ".BMP");
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
}

TEST_F(CommandsTest, ATerrainPictureThatCannotBeLoadedIsAFailure) {
    TerrainList = {"RANDOM", "MISSING.BMP"};
    terrainChoice = 0;
    EXPECT_EQ(Left(26), 14);
}

TEST_F(CommandsTest, WithoutTerrainPicturesTheListHoldsOnlyRandom) {
    std::filesystem::remove("Terrain");
    std::filesystem::create_directory("Terrain");
    EXPECT_FALSE(BuildTerrainList());
    EXPECT_EQ(TerrainList, std::vector<std::string>{"RANDOM"});
}

TEST_F(CommandsTest, TheMenuAndTurnButtonsNameTheNextScreen) {
    EXPECT_EQ(Left(0), 11);
    EXPECT_EQ(Left(1), 12);
    EXPECT_EQ(Left(2), 110);
    EXPECT_EQ(Left(8), 11);
    EXPECT_EQ(Left(36), 100);
    EXPECT_EQ(Left(40), 120);
    EXPECT_EQ(Left(41), 170);
    EXPECT_EQ(Left(42), 13);
    EXPECT_EQ(Left(43), 190);
    EXPECT_EQ(Left(44), 110);
    S().players[3].seatOpen = 1;
    S().turn = 5;
    EXPECT_EQ(Left(37), 160);
    EXPECT_EQ(S().gameType, kSinglePlayer);
    EXPECT_EQ(S().turn, 0);
    EXPECT_EQ(S().players[1].isHuman, 0);
    EXPECT_EQ(S().players[3].seatOpen, 0);
    EXPECT_EQ(Left(39), 160);
    EXPECT_EQ(S().usePasswords, 1);
}

TEST_F(CommandsTest, LaunchingASavedGameWritesItIntoTheSettings) {
    theGame.saveFileName = "HOTS-GAME-01.KV1";
    EXPECT_EQ(Left(3), 170);
    Settings written;
    LoadINI(written);
    EXPECT_EQ(written.lastGame, "HOTS-GAME-01.KV1");
}

}  // namespace
