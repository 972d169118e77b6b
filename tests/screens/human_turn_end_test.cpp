// How a human turn ends: the last enemy base falling, the notice of the
// elimination, and a new world that cannot be saved.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
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

int CentredX(std::string_view text) { return (1024 - static_cast<int>(text.size()) * 16) / 2; }

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

class HumanTurnEndTest : public ScreenTest {
protected:
    bool Played(const std::string& sound) const {
        return std::find(fake.sounds.begin(), fake.sounds.end(), sound) != fake.sounds.end();
    }
};

TEST_F(HumanTurnEndTest, TakingTheLastEnemyBaseShowsTheNoticeAndEndsTheTurnInThatFrame) {
    NewSinglePlayerGame();
    PlaceUnit(2, 2, 0, kBase);
    PlaceUnit(2, 4, 0, kStandard);
    const int lastBase = PlaceUnit(3, 4, 1, kBase);
    const int straggler = PlaceUnit(24, 24, 1, kStandard);
    theGame.state.units[lastBase].health = 1;
    SaveGame();
    ClickTile(2, 4);
    ClickTile(3, 4, 2);
    Then([&] {
        // The computer seat is gone at once, its units with it.
        EXPECT_EQ(theGame.state.players[1].lifeState, kDead);
        EXPECT_EQ(theGame.state.players[1].destroyer, 0);
        EXPECT_EQ(theGame.state.units[straggler].state, kFree);
        EXPECT_TRUE(Played("Sounds\\Explosion-Base.wav"));
        EXPECT_TRUE(Played("Sounds\\Explosion-Player.wav"));
        // The notice comes once the explosion is over.
        EXPECT_TRUE(TextShown(CentredX("ALICE"), 296 + 9, "ALICE", kLargeFont));
        EXPECT_TRUE(TextShown(CentredX("HAS DESTROYED"), 296 + 52, "HAS DESTROYED", kLargeFont));
        EXPECT_TRUE(TextShown(CentredX("RED COMP"), 296 + 94, "RED COMP", kLargeFont));
    }, 60);
    Press(VK_RETURN, 13);
    EXPECT_EQ(RunHumanTurn(), 190);
    EXPECT_EQ(theGame.state.players[0].destroyedNotice[1], 0);
    // 10 for the attack, 300 for the base, 1250 for the player.
    EXPECT_EQ(theGame.state.players[0].score, 60 + 1560);
}

TEST_F(HumanTurnEndTest, ANewWorldThatCannotBeSavedIsReportedAndTheLastGoodFileIsKept) {
    NewSinglePlayerGame(27, -1);
    SaveGame();
    const std::string path = ResolveGamePath(SaveGamePath(theGame));
    const std::string before = ReadFile(path);
    // The safe replace writes beside the file first: a folder in the way
    // makes the save fail while the old file stays.
    std::filesystem::create_directory(path + ".tmp" + std::to_string(::getpid()));
    Then([&] {
        EXPECT_TRUE(TextShown(CentredX("THE GAME COULD NOT BE SAVED"), 296 + 9, "THE GAME COULD NOT BE SAVED",
                              kLargeFont));
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
