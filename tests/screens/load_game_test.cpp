// Picking and launching a game, and the game file names, are played end to end.

#include <algorithm>
#include <fstream>

#include "screen_fixture.h"
#include "screens/load_game_list.h"
#include "screens/load_game_summary.h"

namespace {

SavedGameList ListOf(int count) {
    SavedGameList list;
    for (int i = 0; i < count; ++i) list.files.push_back("G" + std::to_string(i) + ".KV1");
    return list;
}

TEST(SavedGameListTest, ClicksLandOnTheRowUnderThemWithinTheClickArea) {
    const SavedGameList list = ListOf(31);
    const struct { int x, y; std::optional<int> index; } cases[] = {
        {9, 121, 0}, {319, 139, 0}, {100, 140, 1}, {100, 719, 29}, {8, 130, {}}, {320, 130, {}}, {100, 120, {}},
        {100, 720, {}}};
    for (const auto& c : cases) EXPECT_EQ(list.IndexAt(c.x, c.y), c.index) << c.x << "," << c.y;
    EXPECT_EQ(ListOf(3).IndexAt(100, 190), std::nullopt);  // an empty row below the last game
}

TEST(SavedGameListTest, ThePositionShowsOnlyWhenThereAreMoreGamesThanRowsAndScrollingStopsAtTheEnd) {
    for (int count : {29, 30}) EXPECT_EQ(ListOf(count).PositionText(), "") << count;
    SavedGameList list = ListOf(31);
    EXPECT_EQ(list.PositionText(), "1-30 OF 31");
    EXPECT_FALSE(list.ScrollUp());
    EXPECT_TRUE(list.ScrollDown());
    EXPECT_FALSE(list.ScrollDown());
    EXPECT_EQ(list.PositionText(), "2-31 OF 31");
    EXPECT_EQ(list.IndexAt(100, 719), 30);
}

using LoadGameScreenTest = ScreenTest;

// Forty games in thirty rows: a notch of the wheel scrolls three rows, a held arrow a row a frame.
TEST_F(LoadGameScreenTest, TheWheelAndTheArrowsScrollTheListBothWays) {
    for (int n = 10; n < 50; ++n) std::ofstream("Saved Games/G" + std::to_string(n) + ".KV1");
    const auto top = [this](int n) {
        return [this, n] { return TextShown(kRowLeft, kRowTop, "G" + std::to_string(n) + ".KV1"); };
    };
    player.When("the list and its position", [&] { return top(10)() && TextShown(kRowLeft, 736, "1-30 OF 40"); },
                [](FakePlatform& f) { f.Wheel(-1, 500, 400); });
    player.When("a notch down", top(13), [](FakePlatform& f) { f.HoldKey(VK_DOWN, true); });
    player.When("its end, held down", top(20), [](FakePlatform& f) {
        f.HoldKey(VK_DOWN, false);
        f.Wheel(1, 500, 400);
    });
    player.When("a notch up", top(17), [](FakePlatform& f) { f.HoldKey(VK_UP, true); });
    player.When("its top, held up", top(10), [](FakePlatform& f) { f.Key(VK_ESCAPE, 27); });
    EXPECT_EQ(LoadGameScreen(), GoTo(kMainMenuScreen));
}

bool Has(const std::vector<SummaryText>& lines, int x, int y, const std::string& text) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const SummaryText& t) { return t.x == x && t.y == y && t.text == text && t.size == kSmallFont; });
}

TEST(GameSummaryTest, AGameUnderWayShowsItsNextPlayerAndOpenSeats) {
    Game game = PlayedGame(kHotSeat, {"ALICE", "BORIS"}, 63);
    CreateUnit(game, 4, 4, 0, kBase);
    CreateUnit(game, 50, 50, 1, kBase);
    game.state.currentPlayer = 1;
    game.state.players[0].score = 777;
    const auto lines = GameSummaryLines(game);
    for (auto [x, y, text] :
         {std::tuple{340, 220, "POP CAP     : 60"}, {340, 300, "NEXT PLAYER : BORIS"}, {356, 360, "ALIVE"}, {700, 340, "777"}})
        EXPECT_TRUE(Has(lines, x, y, text)) << text;
    for (int y : {380, 400, 500})  // seats 3 and 4 closed, no winner yet
        EXPECT_FALSE(std::any_of(lines.begin(), lines.end(), [y](const SummaryText& t) { return t.y == y; })) << y;
}

}  // namespace
