// What the computer plays is tested in tests/ai.

#include "screen_fixture.h"

namespace {

using ComputerTurnTest = ScreenTest;

TEST_F(ComputerTurnTest, ShowsTheSeatCommandingCentredAndEndsTheTurn) {
    ASSERT_TRUE(LoadScreenImages({{kSpriteSlot, kSpriteSheetFile}}));
    NewGame();
    theGame.state.currentPlayer = 1;
    PlaceUnit(20, 20, 1, kBase);
    PlaceUnit(4, 4, 0, kBase);
    EXPECT_EQ(ComputerTurnScreen(), GoTo(kEndTurnScreen));
    EXPECT_TRUE(CentredShown("RED COMP COMMANDING...", 352));
    EXPECT_EQ(Pixel(10, 10), 0u);  // nothing else on the screen
}

}  // namespace
