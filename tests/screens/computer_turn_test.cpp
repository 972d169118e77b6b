// What the computer plays is tested in tests/ai.

#include "screen_fixture.h"

namespace {

using ComputerTurnTest = ScreenTest;

TEST_F(ComputerTurnTest, ShowsTheSeatCommandingCentredAndEndsTheTurn) {
    ASSERT_TRUE(LoadScreenImages({{kSpriteSlot, kSpriteSheetFile}}));
    NewGame();
    theGame.state.currentPlayer = 1;
    CreateUnit(theGame, 20, 20, 1, kBase);
    CreateUnit(theGame, 4, 4, 0, kBase);
    EXPECT_EQ(ComputerTurnScreen(), GoTo(kEndTurnScreen));
    EXPECT_TRUE(TextShown(CentredX("RED COMP COMMANDING..."), 352, "RED COMP COMMANDING...", kLargeFont));
    EXPECT_EQ(Pixel(10, 10), 0u);  // nothing else on the screen
}

}  // namespace
