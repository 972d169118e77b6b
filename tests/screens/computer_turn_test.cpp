// The computer turn: one centred line while the computer plays, then the
// end of the turn. What the computer plays is tested in tests/ai.
#include "game/unit_types.h"
#include "screen_fixture.h"
#include "screens/screens.h"
#include "shell/shell.h"
#include "ui/images.h"
#include "ui/text_layout.h"

namespace {

class ComputerTurnTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        NewSinglePlayerGame();
        theGame.state.currentPlayer = 1;
        ASSERT_TRUE(LoadScreenImages({{kSpriteSlot, kSpriteSheetFile}}));
        PlaceUnit(20, 20, 1, kBase);
        PlaceUnit(20, 18, 1, kStandard);
        PlaceUnit(4, 4, 0, kBase);
        PlaceUnit(4, 6, 0, kStandard);
        for (Unit& u : theGame.state.units) u.canAttack = u.canMove = u.type == kBase ? 0 : 1;
    }
};

TEST_F(ComputerTurnTest, ShowsTheSeatCommandingCentredAndEndsTheTurn) {
    EXPECT_EQ(ComputerTurnScreen(), GoTo(kEndTurnScreen));
    const std::string line = "RED COMP COMMANDING...";
    EXPECT_EQ(theGame.statusMessage, line);
    EXPECT_TRUE(CentredShown(line, 352));
    EXPECT_EQ(Pixel(10, 10), 0u);  // nothing else on the screen
}

}  // namespace
