// The set-up screen: who may change what, a computer seat's turn, the
// launch, and the terrain a later seat sees.
#include <algorithm>

#include "platform/input.h"
#include "screen_fixture.h"
#include "screens/commands.h"
#include "screens/screens.h"
#include "screens/setup_buttons.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/images.h"
#include "ui/popup.h"
#include "ui/text_layout.h"

namespace {

class SetupTest : public ScreenTest {
protected:
    void NewGame(int gameType) {
        theGame.state.gameType = gameType;
        ResetGameState(theGame);
        ResetSetupButtons(gameType);
    }
    static int State(int id) { return buttonTable[id].state; }
};

TEST_F(SetupTest, ClosingSeatThreeClosesSeatFourAndHidesBothRows) {
    NewGame(kHotSeat);
    auto& seats = theGame.state.players;
    seats[2].seatOpen = seats[3].seatOpen = 1;
    seats[2].isHuman = 0;
    ShowFirstSeatButtons(theGame);
    EXPECT_EQ(State(kSeatKindButton + 3), kButtonActive);  // seat 4 human or computer, in a hot-seat game
    EXPECT_EQ(State(kFactionButton + 2), kButtonActive);  // seat 3 a computer: its faction is chosen here
    EXPECT_EQ(State(kFactionButton + 1), kButtonHidden);  // seat 2 human: it chooses its own
    seats[2].seatOpen = 0;
    ShowFirstSeatButtons(theGame);
    EXPECT_EQ(seats[3].seatOpen, 0);
    for (int id : {kSeatNameButton + 2, kSeatKindButton + 2, kFactionButton + 2, kSeatNameButton + 3, kSeatKindButton + 3, kFactionButton + 3}) EXPECT_EQ(State(id), kButtonHidden) << id;
    EXPECT_EQ(State(kSeatOpenButton + 3), kButtonTextOnly);
}

TEST_F(SetupTest, ASinglePlayerGameKeepsSeatsThreeAndFourComputers) {
    NewGame(kSinglePlayer);
    theGame.state.players[2].seatOpen = theGame.state.players[3].seatOpen = 1;
    ShowFirstSeatButtons(theGame);
    EXPECT_EQ(State(kSeatKindButton + 2), kButtonTextOnly);
    EXPECT_EQ(State(kSeatKindButton + 3), kButtonTextOnly);
    EXPECT_EQ(State(kPasswordsButton), kButtonTextOnly);  // no passwords alone
}

// The later seat's own controls in a hot-seat game of humans are looked at
// end to end; here a computer seat among them.
TEST_F(SetupTest, ALaterSeatSeesItsOwnControlsAndOnlyTheComputersFactions) {
    NewGame(kHotSeat);
    auto& seats = theGame.state.players;
    seats[2].seatOpen = seats[3].seatOpen = 1;
    seats[3].isHuman = 1;
    ShowLaterSeatButtons(theGame, 3);
    for (int id : {kSeatNameButton + 3, kFactionButton + 3}) EXPECT_EQ(State(id), kButtonActive) << id;
    for (int id : {kFactionButton, kFactionButton + 1, kConquerButton, kScoreVictoryButton, kTurnVictoryButton}) EXPECT_EQ(State(id), kButtonHidden) << id;
    EXPECT_EQ(State(kFactionButton + 2), kButtonTextOnly);  // seat 3 is a computer
    for (int id : {kColourButton, kColourButton + 1, kColourButton + 2, kColourButton + 3}) EXPECT_EQ(State(id), kButtonTextOnly) << id;
}

TEST_F(SetupTest, AComputerSeatIsNamedAfterItsColourWithoutAScreen) {
    NewGame(kSinglePlayer);
    theGame.state.currentPlayer = 1;
    theGame.state.players[1].colour = kBlue;
    EXPECT_EQ(SetupScreen(), GoTo(kEndTurnScreen));
    EXPECT_EQ(theGame.state.players[1].name, "BLUE COMP");
    EXPECT_EQ(theGame.state.players[1].setupDone, 1);
    EXPECT_EQ(fake.Frames(), 0);
}

TEST_F(SetupTest, LaunchingTheFirstSeatMakesTheGameWithARandomTerrain) {
    NewGame(kSinglePlayer);
    Then([this] {
        EXPECT_TRUE(LabelShown(kGameTypeButton, "SINGLE PLAYER"));
        EXPECT_TRUE(LabelShown(kTerrainButton, "RANDOM"));
        EXPECT_TRUE(LabelShown(kMapSizeButton, "NORMAL (40)"));
    }, 5);
    ClickButtonId(kSetupLaunchButton);
    EXPECT_EQ(SetupScreen(), GoTo(kEndTurnScreen));
    const GameState& s = theGame.state;
    EXPECT_EQ(s.players[0].setupDone, 1);
    EXPECT_EQ(s.players[0].lifeState, kAlive);
    EXPECT_EQ(s.players[1].lifeState, kAlive);
    EXPECT_EQ(s.players[2].lifeState, kDead);
    EXPECT_FALSE(s.startDate.empty());
    EXPECT_NE(std::find(TerrainList.begin() + 1, TerrainList.end(), s.terrainName), TerrainList.end());
    EXPECT_EQ(terrainChoice, 0);  // the draw is not kept as the choice
    EXPECT_EQ(theGame.saveFileName, "SOLO-GAME-01.KV1");
    EXPECT_EQ(ReadFile("Korvessa.ini").rfind("SOLO-GAME-01.KV1", 0), 0u);
}

TEST_F(SetupTest, ALaterSeatSeesTheTerrainTheGameWasLaunchedWith) {
    NewGame(kPlayByMail);
    theGame.state.terrainName = "WINTER.BMP";
    theGame.state.currentPlayer = 1;
    Press(VK_RETURN, 13);  // the hand-over box
    Then([this] {
        EXPECT_TRUE(LabelShown(kTerrainButton, "WINTER.BMP"));
        EXPECT_EQ(buttonTable[kTerrainButton].state, kButtonTextOnly);
        fake.Key(VK_ESCAPE, 27);
    }, 10);
    EXPECT_EQ(SetupScreen(), GoTo(kMainMenuScreen));
}

}  // namespace
