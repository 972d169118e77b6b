// The help page is opened from the turn screen.

#include "screen_fixture.h"
#include "screens/info_page.h"

namespace {

class InfoPagesTest : public ScreenTest {
protected:
    bool LineShown(int i, std::string_view text) const { return TextShown(30, 30 + 20 * i, text); }
};

TEST_F(InfoPagesTest, TheDetailsPageDescribesTheSeatsAndTheCurrentPlayersIncome) {
    NewGame(kHotSeat, {"ALICE", "BORIS", "CAROL"}, 45);
    GameState& s = theGame.state;
    s.currentPlayer = 2;
    s.players[2].faction = kPanther;
    s.players[2].score = 420;
    s.players[2].powerLevel = 30;
    s.players[1].lifeState = kDead;
    s.players[1].destroyer = 2;
    PlaceUnit(2, 2, 2, kBase);
    PlaceUnit(8, 8, 2, kBase);
    PlaceUnit(3, 3, 2, kTank);
    Then([&] {
        for (auto [i, line] : {std::pair{15, "YOUR BASE COUNT  : 2"}, {16, "YOUR UNIT COUNT  : 1"},
                               {17, "YOUR BASE INCOME : 100"}, {18, "YOUR UNIT INCOME : 10"}, {19, "YOUR TOTAL INCOME: 110"}})
            EXPECT_TRUE(LineShown(i, line)) << line;
        // Seat 3's row, column by column; seat 2 destroyed by seat 3; seat 4 closed.
        for (auto [x, y, text] : {std::tuple{30, 270, "3"}, {46, 270, "ALIVE"}, {102, 270, "CAROL"}, {270, 270, "HUMAN"},
                                  {318, 270, "PANTHER"}, {390, 270, "420"}, {502, 270, "30"}, {46, 250, "DEAD"},
                                  {582, 250, "CAROL"}, {30, 290, "4"}, {46, 290, "CLOSED"}})
            EXPECT_TRUE(TextShown(x, y, text)) << text;
        EXPECT_FALSE(TextShown(102, 290, "PLAYER 4"));
    });
    TypeKeys(" ");
    EXPECT_EQ(RunDetailsScreen(), GoTo(kMainMenuScreen));
}

}  // namespace
