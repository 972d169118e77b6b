// The load game screen's parts: where clicks on the list land, the
// summary's lines for games in every state, and the game file names.
#include <algorithm>

#include "game/unit_types.h"
#include "save/saved_game.h"
#include "screen_fixture.h"
#include "screens/file_drop.h"
#include "screens/load_game_files.h"
#include "screens/load_game_list.h"
#include "screens/load_game_summary.h"
#include "shell/shell.h"

namespace {

SavedGameList ListOf(int count) {
    SavedGameList list;
    for (int i = 0; i < count; ++i) list.files.push_back("G" + std::to_string(i) + ".KV1");
    return list;
}

// Scrolling 31 games with the arrow keys and picking them is played in the
// end-to-end test of the load screen; here, the edges of the click area.
TEST(SavedGameListTest, ClicksLandOnTheRowUnderThemWithinTheClickArea) {
    SavedGameList list = ListOf(31);
    EXPECT_EQ(list.IndexAt(9, 121), 0);
    EXPECT_EQ(list.IndexAt(319, 139), 0);
    EXPECT_EQ(list.IndexAt(100, 140), 1);
    EXPECT_EQ(list.IndexAt(100, 719), 29);
    EXPECT_EQ(list.IndexAt(8, 130), std::nullopt);
    EXPECT_EQ(list.IndexAt(320, 130), std::nullopt);
    EXPECT_EQ(list.IndexAt(100, 120), std::nullopt);
    EXPECT_EQ(list.IndexAt(100, 720), std::nullopt);
    list.ScrollDown();
    EXPECT_EQ(list.IndexAt(100, 719), 30);
    EXPECT_EQ(ListOf(3).IndexAt(100, 190), std::nullopt);  // an empty row below the last game
}

TEST(GameFileNamesTest, LabelsAndDroppedNames) {
    EXPECT_EQ(GameLabel("HOTS-GAME-01.KV1"), "HOTS-GAME-01");
    EXPECT_EQ(GameLabel(".KV1"), ".KV1");
    EXPECT_EQ(UpperCaseName("hots-game-01.kv1"), "HOTS-GAME-01.KV1");
    EXPECT_EQ(DroppedGameName("/home/anna/Downloads/pbem-duel.kv1"), "PBEM-DUEL.KV1");
    EXPECT_EQ(DroppedGameName("/tmp/PBEM-DUEL (1).KV1"), "PBEM-DUEL (1).KV1");
    EXPECT_EQ(DroppedGameName("/tmp/pbem-duel.kv1.txt"), "PBEM-DUEL.KV1.KV1");
}

class GameSummaryTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        NewSinglePlayerGame(63);
        PlaceUnit(4, 4, 0, kBase);
        PlaceUnit(50, 50, 1, kBase);
    }
    static bool Has(const std::vector<SummaryText>& lines, int x, int y, const std::string& text, int size = 0) {
        return std::any_of(lines.begin(), lines.end(), [&](const SummaryText& t) {
            return t.x == x && t.y == y && t.text == text && t.size == size;
        });
    }
    static bool AnyAt(const std::vector<SummaryText>& lines, int y) {
        return std::any_of(lines.begin(), lines.end(), [&](const SummaryText& t) { return t.y == y; });
    }
};

TEST_F(GameSummaryTest, AGameUnderWayShowsItsOptionsAndItsOpenSeats) {
    // The option lines are the details page's, tested there.
    theGame.state.currentPlayer = 1;
    theGame.state.players[1].score = 777;
    theGame.state.players[1].powerLevel = 30;
    const auto lines = GameSummaryLines(theGame);
    EXPECT_EQ(theGame.unitCap, 60);
    EXPECT_TRUE(Has(lines, 340, 200, "MAPSIZE     : HUGE"));
    EXPECT_TRUE(Has(lines, 340, 220, "POP CAP     : 60"));
    EXPECT_TRUE(Has(lines, 340, 300, "NEXT PLAYER : RED COMP"));
    EXPECT_TRUE(Has(lines, 356, 360, "ALIVE"));
    EXPECT_TRUE(Has(lines, 628, 360, "WASP"));
    EXPECT_TRUE(Has(lines, 700, 360, "777"));
    EXPECT_TRUE(Has(lines, 780, 360, "30"));
    EXPECT_FALSE(AnyAt(lines, 380));  // seats 3 and 4 closed: empty rows
    EXPECT_FALSE(AnyAt(lines, 400));
    EXPECT_FALSE(AnyAt(lines, 500));  // no winner yet
}

TEST_F(GameSummaryTest, AFinishedGameNamesItsWinnerAndWhoDestroyedWhom) {
    theGame.state.gameType = kHotSeat;
    theGame.state.players[1].isHuman = 1;
    theGame.state.players[1].name = "BORIS";
    theGame.state.players[1].lifeState = kDead;
    theGame.state.players[1].destroyer = 0;
    theGame.state.players[0].score = 90;
    const auto lines = GameSummaryLines(theGame);
    EXPECT_TRUE(Has(lines, 340, 120, "GAME NAME   : HOTS-TEST"));
    EXPECT_TRUE(Has(lines, 340, 300, "NEXT PLAYER : GAME OVER"));
    EXPECT_TRUE(Has(lines, 356, 360, "DEAD"));
    EXPECT_TRUE(Has(lines, 828, 360, "ALICE"));
    EXPECT_TRUE(Has(lines, 350, 500, "ALICE IS VICTORIOUS!", 1));
}

}  // namespace
