#include <algorithm>
#include <filesystem>

#include "screen_fixture.h"
#include "screens/commands.h"
#include "screens/setup_buttons.h"

namespace {

class SetupTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ASSERT_TRUE(LoadScreenImages({{kSpriteSlot, kSpriteSheetFile}}));
        NewSetup(kHotSeat);
    }
    void NewSetup(int gameType) {
        theGame.state.gameType = gameType;
        ResetGameState(theGame);
        ResetSetupButtons(gameType);
    }
    // A click with the left (1), right (2) or neither (0) button.
    int Click(int id, int button = 1) {
        input.clickButton = button;
        return ApplyButtonCommand(id);
    }
    static int State(int id) { return buttonTable[id].state; }
    GameState& S() { return theGame.state; }
};

TEST_F(SetupTest, TheMapSizeAndTheComputerLevelCycleBothWays) {
    const struct { int id, from, button, to; const char* label; } cases[] = {
        {kMapSizeButton, 63, 1, 27, "TINY"}, {kMapSizeButton, 27, 2, 63, "HUGE"}, {kMapSizeButton, 63, 2, 54, "LARGE"},
        {kMapSizeButton, 54, 1, 63, "HUGE"}, {kMapSizeButton, 54, 0, 54, "LARGE"},
        {kComputerLevelButton, kFair, 2, kEasy, ""}, {kComputerLevelButton, kEasy, 2, kHard, ""},
        {kComputerLevelButton, kHard, 1, kEasy, ""}};
    for (const auto& c : cases) {
        int& value = c.id == kMapSizeButton ? theGame.map.mapSize : S().computerLevel;
        value = c.from;
        EXPECT_EQ(Click(c.id, c.button), kStay);
        EXPECT_EQ(value, c.to) << c.from << " " << c.button;
        if (*c.label) {
            EXPECT_EQ(buttonTable[c.id].label, c.label);
        }
    }
}

TEST_F(SetupTest, VictoryTargetsAndNamesTakeOnlyAnOkAndKeepTargetsWithinTheirRanges) {
    // The score box opens on 20000 and the turn box on 25; Delete empties them.
    const struct { int id; const char* typed; int kept; } cases[] = {
        {kScoreVictoryButton, "\x7f" "4999\r", 5000}, {kScoreVictoryButton, "\x7f" "5000\r", 5000},
        {kScoreVictoryButton, "\x7f" "50001\r", 50000}, {kTurnVictoryButton, "\x7f" "9\r", 10},
        {kTurnVictoryButton, "\x7f" "10\r", 10}, {kTurnVictoryButton, "\x7f" "101\r", 100},
        {kTurnVictoryButton, "\r", 25}, {kTurnVictoryButton, "\x7f" "50\x1b", 25}};
    for (const auto& c : cases) {
        TypeKeys(c.typed);
        EXPECT_EQ(Click(c.id), kStay);
        EXPECT_EQ(c.id == kScoreVictoryButton ? S().victoryScore : S().victoryTurn, c.kept) << c.typed;
    }
    EXPECT_EQ(S().victoryType, kTurnVictory);
    EXPECT_EQ(buttonTable[kVictoryButton].label, "TURN : 25");
    for (const char* typed : {"bob\r", "\r", "tom\x1b"}) {
        TypeKeys(typed);
        Click(kSeatNameButton + 1);
        EXPECT_EQ(buttonTable[kSeatNameButton + 1].label, "BOB") << typed;
    }
    EXPECT_EQ(S().players[1].name, "BOB");
}

// Choosing a terrain is played end to end.
TEST_F(SetupTest, PastTheLastTerrainComesRandomAndATerrainThatCannotBeLoadedFails) {
    TerrainList = {"RANDOM", "MISSING.BMP"};
    terrainChoice = 1;
    EXPECT_EQ(Click(kTerrainButton), kStay);  // RANDOM loads nothing
    EXPECT_EQ(terrainChoice, 0);
    EXPECT_EQ(Click(kTerrainButton), kFatal);
    std::filesystem::remove("Terrain");
    std::filesystem::create_directory("Terrain");
    EXPECT_FALSE(BuildTerrainList());
}

TEST_F(SetupTest, LaunchAsksBeforeOverwritingAndAsksForAPasswordUntilOneIsGiven) {
    MakeSaveFileName(theGame);
    SaveGameToFile(theGame);
    S().usePasswords = 1;
    Then([&] { EXPECT_TRUE(BoxShows("OVERWRITE OLD GAME?")); });
    TypeKeys("\x1b");  // keep the old game
    EXPECT_EQ(Click(kSetupLaunchButton), kStay);
    TypeKeys("\r\r");  // overwrite: yes; an empty password: asked again
    Then([&] { EXPECT_TRUE(BoxShows("ENTER A PASSWORD TO USE")); });
    TypeKeys("secret\r");
    EXPECT_EQ(Click(kSetupLaunchButton), kConfirmed);
    EXPECT_EQ(S().players[0].password, "SECRET");
    S().currentPlayer = 1;  // a later seat is not asked about the file
    TypeKeys("\x1b");
    EXPECT_EQ(Click(kSetupLaunchButton), kStay);
    EXPECT_EQ(S().players[1].password, std::string(kPasswordPlaceholder));
}

TEST_F(SetupTest, TheFirstSeatChoosesForTheComputersAndALaterSeatOnlyForItself) {
    auto& seats = S().players;
    seats[2].seatOpen = seats[3].seatOpen = 1;
    seats[2].isHuman = 0;
    ShowFirstSeatButtons(theGame);
    EXPECT_EQ(State(kSeatKindButton + 3), kButtonActive);
    EXPECT_EQ(State(kFactionButton + 2), kButtonActive);  // a computer's faction is chosen here
    EXPECT_EQ(State(kFactionButton + 1), kButtonHidden);  // a human chooses their own
    ShowLaterSeatButtons(theGame, 3);
    for (int id : {kSeatNameButton + 3, kFactionButton + 3}) EXPECT_EQ(State(id), kButtonActive) << id;
    for (int id : {kFactionButton, kConquerButton, kTurnVictoryButton}) EXPECT_EQ(State(id), kButtonHidden) << id;
    EXPECT_EQ(State(kFactionButton + 2), kButtonTextOnly);
    EXPECT_EQ(State(kColourButton + 3), kButtonTextOnly);
    seats[2].seatOpen = 0;  // closing seat 3 closes seat 4
    ShowFirstSeatButtons(theGame);
    EXPECT_EQ(seats[3].seatOpen, 0);
    for (int id : {kSeatNameButton + 2, kSeatKindButton + 3, kFactionButton + 3}) EXPECT_EQ(State(id), kButtonHidden) << id;
}

TEST_F(SetupTest, LaunchingTheFirstSeatMakesTheGameWithARandomTerrain) {
    NewSetup(kSinglePlayer);
    Then([this] { EXPECT_TRUE(LabelShown(kTerrainButton, "RANDOM")); });
    ClickButtonId(kSetupLaunchButton);
    EXPECT_EQ(SetupScreen(), GoTo(kEndTurnScreen));
    EXPECT_EQ(S().players[2].lifeState, kDead);
    EXPECT_NE(std::find(TerrainList.begin() + 1, TerrainList.end(), S().terrainName), TerrainList.end());
    EXPECT_EQ(terrainChoice, 0);  // the draw is not kept as the choice
}

}  // namespace
