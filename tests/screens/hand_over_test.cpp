// The boxes and passwords of a hot-seat game are played end to end.

#include <filesystem>
#include <fstream>

#include "screen_fixture.h"

namespace {

class HandOverTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        // The boxes draw with the sprite sheet the screen before left loaded.
        ASSERT_TRUE(LoadScreenImages({{kSpriteSlot, kSpriteSheetFile}}));
        NewGame(kHotSeat, {"ALICE", "BORIS"});
        PlaceUnit(4, 4, 0, kBase);
        PlaceUnit(20, 20, 1, kBase);
    }
};

TEST_F(HandOverTest, EndOfTurnSavesTheNextSeatForTheHandOverOrTellsItCannot) {
    theGame.state.players[1].isHuman = 0;
    theGame.scrollX = 7;
    SaveGame();
    EXPECT_EQ(EndTurnScreen(), GoTo(kHandOverScreen));
    theGame.state.currentPlayer = 0;  // the file, not memory, decides
    EXPECT_EQ(HandOverScreen(), GoTo(kComputerTurnScreen));
    EXPECT_EQ(theGame.state.currentPlayer, 1);
    EXPECT_EQ(theGame.state.players[0].viewX, 7);
    // A turn that cannot be saved is told, and the last good file stays.
    const std::string good = ReadFile("Saved Games/" + theGame.saveFileName);
    std::filesystem::rename("Saved Games", "Kept Games");
    std::ofstream("Saved Games") << "a file where the folder was";
    Then([this] { EXPECT_TRUE(BoxShows("THE GAME COULD NOT BE SAVED", "HOTS-TEST", "THE LAST SAVED TURN IS KEPT")); });
    TypeKeys("\r");
    EXPECT_EQ(EndTurnScreen(), GoTo(kMainMenuScreen));
    EXPECT_EQ(ReadFile("Kept Games/" + theGame.saveFileName), good);
}

TEST_F(HandOverTest, ADamagedFileIsToldAndLeadsBackToTheMainMenuWithTheGameInMemoryUntouched) {
    SaveGame();
    const std::string path = "Saved Games/" + theGame.saveFileName;
    const std::string bytes = ReadFile(path);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes.substr(0, bytes.size() / 2);
    const GameState before = theGame.state;
    Then([this] { EXPECT_TRUE(BoxShows("THIS GAME CANNOT BE READ", "HOTS-TEST", "THE FILE IS MISSING OR DAMAGED")); });
    TypeKeys("\r");
    EXPECT_EQ(HandOverScreen(), GoTo(kMainMenuScreen));
    EXPECT_TRUE(player.Done()) << "the notice was shown and closed";
    EXPECT_EQ(theGame.state, before);
    EXPECT_NE(ReadFile("Run.log").find("could not be read"), std::string::npos);
}

}  // namespace
