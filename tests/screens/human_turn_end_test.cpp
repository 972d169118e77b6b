// How a human turn ends without handing over: a new world that cannot be
// saved, and quitting.
#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "game/unit_types.h"
#include "platform/files.h"
#include "save/saved_game.h"
#include "screen_fixture.h"
#include "screens/screens.h"
#include "shell/input.h"
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
    EXPECT_EQ(RunHumanTurn(), 110);
    EXPECT_EQ(ReadFile(path), before);
    const std::string log = ReadFile("Run.log");
    EXPECT_NE(log.find("*ERROR* : SaveGameToFile()"), std::string::npos) << log;
    // Continuing the game later makes the world again from the kept file.
    Game kept;
    kept.saveFileName = theGame.saveFileName;
    ASSERT_TRUE(LoadGameFromFile(kept));
    EXPECT_EQ(kept.map.mapSeed, -1);
}

TEST_F(HumanTurnEndTest, QuittingLeavesWithoutSaving) {
    NewSinglePlayerGame();
    PlaceUnit(2, 2, 0, kBase);
    PlaceUnit(2, 4, 0, kStandard);
    PlaceUnit(24, 24, 1, kBase);
    SaveGame();
    const std::string path = ResolveGamePath(SaveGamePath(theGame));
    const std::string before = ReadFile(path);
    ClickTile(2, 4);
    ClickTile(2, 6, 2);
    ClickAt(900, 15);
    EXPECT_EQ(RunHumanTurn(), 110);
    EXPECT_EQ(ReadFile(path), before);
}

}  // namespace
