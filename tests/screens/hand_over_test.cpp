// The boxes and passwords of a hot-seat game, and a turn handed on, are played end to end.

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
        CreateUnit(theGame, 4, 4, 0, kBase);
        CreateUnit(theGame, 20, 20, 1, kBase);
    }
};

TEST_F(HandOverTest, AnEndOfTurnThatCannotBeSavedIsToldAndLeadsBackToTheMainMenu) {
    std::filesystem::remove("Saved Games");
    std::ofstream("Saved Games") << "a file where the folder was";
    Then([this] { EXPECT_TRUE(BoxShows("THE GAME COULD NOT BE SAVED", "HOTS-TEST", "THE LAST SAVED TURN IS KEPT")); });
    TypeKeys("\r");
    EXPECT_EQ(EndTurnScreen(), GoTo(kMainMenuScreen));
}

TEST_F(HandOverTest, ADamagedFileIsToldAndLeadsBackToTheMainMenuWithTheGameInMemoryUntouched) {
    ASSERT_TRUE(SaveGameToFile(theGame));
    const std::string path = "Saved Games/" + theGame.saveFileName;
    const std::string bytes = ReadFile(path);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes.substr(0, bytes.size() / 2);
    const GameState before = theGame.state;
    Then([this] { EXPECT_TRUE(BoxShows("THIS GAME CANNOT BE READ", "HOTS-TEST", "THE FILE IS MISSING OR DAMAGED")); });
    TypeKeys("\r");
    EXPECT_EQ(HandOverScreen(), GoTo(kMainMenuScreen));
    EXPECT_EQ(theGame.state, before);
    EXPECT_NE(ReadFile("Run.log").find("could not be read"), std::string::npos);
}

}  // namespace
