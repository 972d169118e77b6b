// The hand-over: where each seat goes, the box naming a hot-seat player,
// the password asked until it is typed exactly, and the saved game read back.
// Wrong passwords and the dying seat's notice are played end to end.
#include <fstream>

#include "platform/input.h"
#include "screen_fixture.h"
#include "screens/hand_over.h"
#include "screens/screens.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/images.h"
#include "ui/popup.h"
#include "ui/text_layout.h"

namespace {

class HandOverTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        NewSinglePlayerGame();
        // The boxes draw with the sprite sheet the screen before left loaded.
        ASSERT_TRUE(LoadScreenImages({{kSpriteSlot, kSpriteSheetFile}}));
        PlaceUnit(4, 4, 0, kBase);
        PlaceUnit(20, 20, 1, kBase);
    }
    void HotSeat(const std::string& password = "") {
        theGame.state.gameType = kHotSeat;
        theGame.state.players[1].isHuman = 1;
        theGame.state.players[1].name = "BORIS";
        if (!password.empty()) {
            theGame.state.usePasswords = 1;
            theGame.state.players[0].password = password;
        }
    }
    int HandOverFromFile() {
        SaveGame();
        return HandOverScreen();
    }
};

TEST_F(HandOverTest, ASinglePlayerSeatGoesToItsTurnWithoutABox) {
    EXPECT_EQ(HandOverFromFile(), GoTo(kHumanTurnScreen));
    EXPECT_EQ(fake.Frames(), 0);
}

TEST_F(HandOverTest, AHotSeatPlayerIsNamedWithTheTurnAndOkStartsTheTurn) {
    HotSeat();
    theGame.state.turn = 3;
    Then([this] {
        EXPECT_TRUE(CentredShown("ALICE", 305));
        EXPECT_TRUE(CentredShown("TURN 3", 348));
        fake.Key(VK_RETURN, 13);
    }, 10);
    EXPECT_EQ(HandOverFromFile(), GoTo(kHumanTurnScreen));
}

TEST_F(HandOverTest, AWrongPasswordIsToldAndClearedUntilTypedExactly) {
    HotSeat("APPLE");
    Then([this] { EXPECT_TRUE(CentredShown("ENTER YOUR PASSWORD", 390)); }, 10);
    TypeKeys("APPLE \r");  // one trailing space too many
    Then([this] {
        EXPECT_EQ(popupBox.text, "");
        EXPECT_TRUE(CentredShown("WRONG PASSWORD", 390));
        EXPECT_EQ(fake.sounds.back(), "Sounds\\Buzzer.wav");
    });
    TypeKeys("APPLE\r");
    EXPECT_EQ(HandOverFromFile(), GoTo(kHumanTurnScreen));
    EXPECT_TRUE(fake.ScriptDone());
    EXPECT_EQ(popupBox.masked, 0) << "the boxes after it show what is typed";
}

TEST_F(HandOverTest, EndOfTurnSavesTheNextSeatAndTheHandOverReadsItBack) {
    theGame.scrollX = 7;
    theGame.scrollY = 5;
    SaveGame();
    EXPECT_EQ(EndTurnScreen(), GoTo(kHandOverScreen));
    EXPECT_EQ(theGame.state.players[0].viewX, 7);
    theGame.state.currentPlayer = 0;  // the file, not memory, decides
    EXPECT_EQ(HandOverScreen(), GoTo(kComputerTurnScreen));
    EXPECT_EQ(theGame.state.currentPlayer, 1);
    EXPECT_EQ(theGame.state.players[0].viewY, 5);
}

}  // namespace

namespace {

// A damaged file at the hand-over tells the players and leads back to the
// main menu instead of ending the program; the game in memory is untouched.
TEST_F(HandOverTest, ADamagedFileIsToldAndLeadsBackToTheMainMenu) {
    HotSeat();
    SaveGame();
    const std::string path = "Saved Games/" + theGame.saveFileName;
    std::string bytes = ReadFile(path);
    ASSERT_GT(bytes.size(), 40u);
    bytes.resize(bytes.size() / 2);
    { std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes; }
    const GameState before = theGame.state;
    Then([this] {
        EXPECT_TRUE(CentredShown("THIS GAME CANNOT BE READ", 305));
        fake.Key(VK_RETURN, 13);
    }, 10);
    EXPECT_EQ(HandOverScreen(), GoTo(kMainMenuScreen));
    EXPECT_EQ(theGame.state, before);
    EXPECT_NE(ReadFile("Run.log").find("could not be read"), std::string::npos);
}

}  // namespace
