// How a human turn ends without handing over: a new world that cannot be
// saved, and leaving: asked first when orders were given, whether by QUIT
// TO MAIN MENU or by closing the window.
#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "game/unit_types.h"
#include "platform/files.h"
#include "platform/input.h"
#include "save/saved_game.h"
#include "screen_fixture.h"
#include "screens/screens.h"
#include "shell/shell.h"
#include "ui/text_layout.h"

namespace {

using HumanTurnEndTest = ScreenTest;

TEST_F(HumanTurnEndTest, ANewWorldThatCannotBeSavedIsReportedAndTheLastGoodFileIsKept) {
    NewSinglePlayerGame(27, -1);
    SaveGame();
    const std::string path = ResolveGamePath(SaveGamePath(theGame));
    const std::string before = ReadFile(path);
    // The safe replace writes beside the file first: a folder in the way
    // makes the save fail while the old file stays.
    std::filesystem::create_directory(path + ".tmp" + std::to_string(::getpid()));
    Then([&] {
        EXPECT_TRUE(CentredShown("THE GAME COULD NOT BE SAVED", 296 + 9));
    });
    Press(VK_RETURN, 13);
    EXPECT_EQ(RunHumanTurn(), GoTo(kMainMenuScreen));
    EXPECT_EQ(ReadFile(path), before);
    const std::string log = ReadFile("Run.log");
    EXPECT_NE(log.find("*ERROR* : SaveGameToFile()\nfopen(\"" + SaveGamePath(theGame) + "\") == NULL\n"),
              std::string::npos)
        << log;
    // Continuing the game later makes the world again from the kept file.
    Game kept;
    kept.saveFileName = theGame.saveFileName;
    ASSERT_TRUE(LoadGameFromFile(kept));
    EXPECT_EQ(kept.map.mapSeed, -1);
}

class HumanTurnLeaveTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        NewSinglePlayerGame();
        PlaceUnit(2, 2, 0, kBase);
        PlaceUnit(2, 4, 0, kStandard);
        PlaceUnit(24, 24, 1, kBase);
        SaveGame();
    }
    bool Asked() const { return CentredShown("LEAVE THIS TURN?", 296 + 9); }
};

TEST_F(HumanTurnLeaveTest, QuittingWithoutOrdersLeavesAtOnce) {
    ClickTile(2, 4);  // a selection is no order
    ClickAt(900, 15);
    EXPECT_EQ(RunHumanTurn(), GoTo(kMainMenuScreen));
}

TEST_F(HumanTurnLeaveTest, QuittingAfterOrdersAsksFirstAndLeavesWithoutSaving) {
    const std::string path = ResolveGamePath(SaveGamePath(theGame));
    const std::string before = ReadFile(path);
    ClickTile(2, 4);
    ClickTile(2, 6, 2);
    ClickAt(900, 15);
    Then([&] { EXPECT_TRUE(Asked()); });
    Press(VK_ESCAPE, 27);  // the turn goes on
    Then([&] { EXPECT_FALSE(Asked()); });
    ClickAt(900, 15);
    Then([&] { EXPECT_TRUE(Asked()); });
    Press(VK_RETURN, 13);
    EXPECT_EQ(RunHumanTurn(), GoTo(kMainMenuScreen));
    EXPECT_EQ(ReadFile(path), before);
}

TEST_F(HumanTurnLeaveTest, ClosingTheWindowAfterOrdersAsksFirst) {
    ClickTile(2, 4);
    ClickTile(2, 6, 2);
    Then([&] { fake.Close(); });
    Then([&] {
        EXPECT_TRUE(Asked());
        EXPECT_FALSE(window->IsDestroyed());
    });
    Press(VK_ESCAPE, 27);
    Press(VK_F2);
    Then([&] {
        EXPECT_FALSE(window->IsDestroyed());
        fake.Close();  // the open box gives way to the question
    });
    Then([&] {
        EXPECT_TRUE(Asked());
        fake.Close();  // closing again while asked is a yes
    });
    EXPECT_EQ(RunHumanTurn(), kFatal);
    EXPECT_TRUE(window->IsDestroyed());
}

}  // namespace
