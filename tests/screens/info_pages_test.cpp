// The help page and the player and game details page: their lines where the
// layout puts them, and the ways to leave them.
#include <gtest/gtest.h>

#include "game/unit_types.h"
#include "platform/input.h"
#include "screen_fixture.h"
#include "screens/info_page.h"
#include "screens/screens.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/text_layout.h"

namespace {

class InfoPagesTest : public ScreenTest {
protected:
    // Line i of a page, as drawn.
    bool LineShown(int i, std::string_view text) const { return TextShown(30, 30 + 20 * i, text, kSmallFont); }
};

TEST_F(InfoPagesTest, TheHelpPageHasItsThirtyThreeLinesWithTheRulesNumbers) {
    const std::vector<std::string> lines = HelpLines();
    ASSERT_EQ(lines.size(), 33u);
    // The numbers come from the rules: a few lines show they are put in right.
    EXPECT_EQ(lines[8].substr(0, 28), "FIREBIRD :\tFIREBOMB    = 35%");
    EXPECT_EQ(lines[16], "TANK          100%       2       2       4");
    EXPECT_EQ(lines[21], "EACH PLAYER HAS THIER OWN POWER LEVEL WHICH THEY CAN INCREASE FOR A COST (MAX POWER IS 990)");

    Then([&] {
        EXPECT_TRUE(LineShown(0, lines[0]));
        EXPECT_TRUE(LineShown(14, lines[14]));
        EXPECT_TRUE(LineShown(32, lines[32]));  // the last at y 670
        // The tab of the FIREBIRD line is a blank cell: FIREBOMB starts in column 12.
        EXPECT_TRUE(TextShown(30 + 11 * 8, 30 + 20 * 8, "FIREBOMB", kSmallFont));
        EXPECT_TRUE(LabelShown(kReturnButton, "RETURN"));
    });
    Press('X', 'x');  // any key leaves
    EXPECT_EQ(RunHelpScreen(), GoTo(kMainMenuScreen));
}

TEST_F(InfoPagesTest, TheDetailsPageDescribesTheGameTheSeatsAndTheCurrentPlayersIncome) {
    NewSinglePlayerGame(45);
    GameState& s = theGame.state;
    s.gameType = kHotSeat;
    s.gameName = "GAME-01";
    s.victoryType = kTurnVictory;
    s.victoryTurn = 40;
    s.computerLevel = kHard;
    theGame.unitCap = 40;
    s.currentPlayer = 2;
    s.players[2].seatOpen = 1;
    s.players[2].isHuman = 1;
    s.players[2].name = "CAROL";
    s.players[2].faction = kPanther;
    s.players[2].score = 420;
    s.players[2].powerLevel = 30;
    s.players[2].lifeState = kAlive;
    s.players[1].lifeState = kDead;
    s.players[1].destroyer = 2;
    PlaceUnit(2, 2, 2, kBase);
    PlaceUnit(8, 8, 2, kBase);
    PlaceUnit(3, 3, 2, kTank);
    PlaceUnit(5, 5, 0, kStandard);
    const std::vector<std::string> lines = DetailsLines();
    ASSERT_EQ(lines.size(), 20u);
    Then([&] {
        EXPECT_TRUE(LineShown(0, "GAME NAME   : HOTS-GAME-01"));
        EXPECT_TRUE(LineShown(1, "START DATE  : SUNDAY, DECEMBER 6, 2026 21:00:00"));
        EXPECT_TRUE(LineShown(2, "GAME TYPE   : HOTSEAT"));
        EXPECT_TRUE(LineShown(3, "VICTORY TYPE: TURN 40"));
        EXPECT_TRUE(LineShown(4, "MAPSIZE     : NORMAL"));
        EXPECT_TRUE(LineShown(5, "POP CAP     : 40"));
        EXPECT_TRUE(LineShown(6, "COMPUTER    : HARD"));
        EXPECT_TRUE(LineShown(7, "TERRAIN NAME: TEMPERATE.BMP"));
        EXPECT_TRUE(LineShown(8, std::string(120, '-')));
        EXPECT_TRUE(LineShown(15, "YOUR BASE COUNT  : 2"));
        EXPECT_TRUE(LineShown(16, "YOUR UNIT COUNT  : 1"));
        EXPECT_TRUE(LineShown(17, "YOUR BASE INCOME : 100"));
        EXPECT_TRUE(LineShown(18, "YOUR UNIT INCOME : 10"));
        EXPECT_TRUE(LineShown(19, "YOUR TOTAL INCOME: 110"));
        EXPECT_TRUE(TextShown(30, 210, "# STATE  PLAYER NAME", kSmallFont));
        // Seat 2's row, column by column.
        const int y = 230 + 20 * 2;
        EXPECT_TRUE(TextShown(30, y, "3", kSmallFont));
        EXPECT_TRUE(TextShown(46, y, "ALIVE", kSmallFont));
        EXPECT_TRUE(TextShown(102, y, "CAROL", kSmallFont));
        EXPECT_TRUE(TextShown(270, y, "HUMAN", kSmallFont));
        EXPECT_TRUE(TextShown(318, y, "PANTHER", kSmallFont));
        EXPECT_TRUE(TextShown(390, y, "420", kSmallFont));
        EXPECT_TRUE(TextShown(502, y, "30", kSmallFont));
        // Seat 1 was destroyed by seat 2, named as it is now.
        EXPECT_TRUE(TextShown(46, 250, "DEAD", kSmallFont));
        EXPECT_TRUE(TextShown(270, 250, "COMP", kSmallFont));
        EXPECT_TRUE(TextShown(582, 250, "CAROL", kSmallFont));
        // A closed seat shows its number and CLOSED only.
        EXPECT_TRUE(TextShown(30, 290, "4", kSmallFont));
        EXPECT_TRUE(TextShown(46, 290, "CLOSED", kSmallFont));
        EXPECT_FALSE(TextShown(102, 290, "PLAYER 4", kSmallFont));
    });
    Press(VK_SPACE, ' ');
    EXPECT_EQ(RunDetailsScreen(), GoTo(kMainMenuScreen));
}

}  // namespace
