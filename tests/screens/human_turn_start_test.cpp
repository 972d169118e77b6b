// The start of a human turn: the world made on the first turn, the readied
// units, the income, and the panel as the player first sees it.
#include <gtest/gtest.h>

#include "game/economy.h"
#include "game/unit_types.h"
#include "platform/input.h"
#include "save/saved_game.h"
#include "screen_fixture.h"
#include "screens/screens.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/text_layout.h"

namespace {

class HumanTurnStartTest : public ScreenTest {};

int UnitsOf(const Game& game, int owner, int type) {
    int n = 0;
    for (const Unit& u : game.state.units) n += u.state == kActive && u.owner == owner && u.type == type;
    return n;
}

TEST_F(HumanTurnStartTest, TheFirstHumanTurnMakesTheWorldAndSavesItBeforeAnythingIsPlayed) {
    NewSinglePlayerGame(27, -1);
    SaveGame();
    Game seen;
    Then([&] {
        seen.state = theGame.state;
        seen.map.mapSeed = theGame.map.mapSeed;
        EXPECT_TRUE(TextShown(16, 730, "PRESS F1 FOR HELP", kSmallFont));
        EXPECT_TRUE(LabelShown(kEndTurnButton, "END TURN 1"));
    });
    ClickAt(900, 236);  // END TURN
    EXPECT_EQ(RunHumanTurn(), GoTo(kEndTurnScreen));

    EXPECT_NE(seen.map.mapSeed, -1);
    for (int seat : {0, 1}) {
        EXPECT_EQ(UnitsOf(seen, seat, kBase), 1) << seat;
        EXPECT_EQ(UnitsOf(seen, seat, kStandard), 4) << seat;
    }
    // The file holds the new world with its starting units, as it was before
    // the income of the turn was paid.
    Game fromFile;
    fromFile.saveFileName = theGame.saveFileName;
    ASSERT_TRUE(LoadGameFromFile(fromFile));
    EXPECT_EQ(fromFile.map.mapSeed, seen.map.mapSeed);
    EXPECT_EQ(UnitsOf(fromFile, 0, kStandard), 4);
    EXPECT_EQ(fromFile.state.players[0].energy, 10);
    EXPECT_EQ(seen.state.players[0].energy, 10 + 90);
}

TEST_F(HumanTurnStartTest, EveryUnitIsReadiedAndThePanelShowsThePlayersFiguresAndTheOpenSeatsScores) {
    NewSinglePlayerGame();
    const int base = PlaceUnit(2, 2, 0, kBase);
    PlaceUnit(2, 4, 0, kStandard);
    PlaceUnit(24, 24, 1, kBase);
    const int enemy = PlaceUnit(24, 22, 1, kStandard);
    theGame.state.units[base].canAttack = 0;
    theGame.state.units[enemy].canMove = 0;
    theGame.state.players[1].score = 1234;
    theGame.state.players[1].name = "A NAME LONGER THAN TWENTY-TWO";
    theGame.state.turn = 3;
    SaveGame();
    Then([&] {
        const int energy = theGame.state.players[0].energy;
        EXPECT_EQ(energy, 10 + 60);
        EXPECT_TRUE(TextShown(870, 253, std::to_string(energy), kLargeFont));
        EXPECT_TRUE(TextShown(838, 530, "ALICE", kSmallFont));
        EXPECT_TRUE(TextShown(838, 546, "POWER LEVEL: 10", kSmallFont));
        EXPECT_TRUE(TextShown(838, 562, "INCOME: 60", kSmallFont));
        EXPECT_TRUE(TextShown(838, 578, "VICTORY: CONQUER", kSmallFont));
        EXPECT_TRUE(TextShown(838, 594, "UNIT COUNT: 1 OF 20", kSmallFont));
        EXPECT_TRUE(TextShown(838, 648, "60 : ALICE", kSmallFont));
        // Cut to 22 characters.
        EXPECT_TRUE(TextShown(838, 664, "1234 : A NAME LONGER T", kSmallFont));
        EXPECT_FALSE(TextShown(838, 664, "1234 : A NAME LONGER TH", kSmallFont));
        // No status line after the first turn; the power button offers the next step.
        EXPECT_EQ(theGame.statusMessage, "");
        EXPECT_TRUE(LabelShown(kPowerButton, "20 POWER FOR 500"));
        EXPECT_TRUE(LabelShown(kEndTurnButton, "END TURN 3"));
        for (int id : {kRepairButton, kStandardIconButton, kBaseIconButton, kAirIconButton, kTankIconButton,
                       kArtilleryIconButton})
            EXPECT_EQ(buttonTable[id].state, kButtonHidden) << id;
    });
    ClickAt(900, 15);  // QUIT TO MAIN MENU
    EXPECT_EQ(RunHumanTurn(), GoTo(kMainMenuScreen));
    EXPECT_EQ(theGame.state.units[base].canAttack, 1);
    EXPECT_EQ(theGame.state.units[base].canMove, 0);  // bases never move
    EXPECT_EQ(theGame.state.units[enemy].canMove, 1);
}

}  // namespace
