// A seat's memory of a game: kept at its end of turn, used at its next turn
// only when it is of the same game, the same seat and an earlier turn.
#include "handover/turn_memory.h"

#include <functional>

#include "support/game_builder.h"
#include "support/temp_dir.h"

namespace {

using Change = std::pair<const char*, std::function<void(Game&)>>;

class TurnMemoryTest : public InTempDir {
protected:
    void SetUp() override {
        InTempDir::SetUp();
        game.state.gameName = "FRIDAY", game.state.startDate = "MONDAY", game.saveFileName = "HOTS-FRIDAY.KV1";
        game.map.mapSeed = 99, game.state.turn = 3;
        CreateUnit(game, 2, 2, 0, kStandard);
    }
    Game game = MakeTestGame(kHotSeat);
};

TEST_F(TurnMemoryTest, OnlyTheSameSeatOfTheSameGameAtALaterTurnIsTold) {
    const std::vector<Change> cases = {
        {"the same seat's next turn", [](Game&) {}},
        {"another name", [](Game& g) { g.state.gameName = "SATURDAY"; }},
        {"another type", [](Game& g) { g.state.gameType = kPlayByMail; }},
        {"another start date", [](Game& g) { g.state.startDate = "TUESDAY"; }},
        {"another world", [](Game& g) { g.map.mapSeed = 100; }},
        {"another seat", [](Game& g) { g.state.currentPlayer = 1; }},
        {"the same turn again", [](Game& g) { g.state.turn -= 1; }},
    };
    for (const auto& [name, change] : cases) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(KeepTurnMemory(game));
        Game now = game;
        now.state.turn += 1;
        now.state.units[0].state = kFree;
        change(now);
        now.saveFileName = game.saveFileName;  // the file another game would look under is the same one
        const auto changes = ChangesSinceLastTurn(now);
        ASSERT_EQ(changes.has_value(), name == cases[0].first);
        if (changes) {
            ASSERT_EQ(changes->units.size(), 1u);
            EXPECT_EQ(changes->units[0].fate, UnitFate::kGone);
        }
    }
}

}  // namespace
