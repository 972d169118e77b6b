// A seat's memory of a game: kept at its end of turn, used at its next turn
// only when it is of the same game, the same seat and an earlier turn.
#include "handover/turn_memory.h"

#include <functional>

#include "platform/files.h"
#include "support/temp_dir.h"

namespace {

class TurnMemoryTest : public InTempDir {
protected:
    void SetUp() override {
        InTempDir::SetUp();
        game.state.gameType = kHotSeat;
        ResetGameState(game);
        game.state.gameName = "FRIDAY";
        game.state.startDate = "MONDAY";
        game.saveFileName = "HOTS-FRIDAY.KV1";
        game.map.mapSeed = 99;
        game.map.mapSize = 27;
        for (int seat = 0; seat < 2; ++seat) {
            Player& p = game.state.players[seat];
            p.seatOpen = p.isHuman = p.setupDone = 1;
            p.lifeState = kAlive;
        }
        CreateUnit(game, 2, 2, 0, kStandard);
        game.state.turn = 3;
    }
    // The seat's next turn, one unit lost meanwhile.
    void NextTurnWithALoss() {
        game.state.turn += 1;
        game.state.units[0].state = kFree;
    }
    Game game;
};

TEST_F(TurnMemoryTest, TheNextTurnOfTheSameSeatIsToldWhatItLost) {
    ASSERT_TRUE(KeepTurnMemory(game));
    NextTurnWithALoss();
    const auto changes = ChangesSinceLastTurn(game);
    ASSERT_TRUE(changes.has_value());
    ASSERT_EQ(changes->units.size(), 1u);
    EXPECT_EQ(changes->units[0].fate, UnitFate::kGone);
}

TEST_F(TurnMemoryTest, NoMemoryOfAnotherGameSeatOrLaterTurnIsUsed) {
    const std::vector<std::pair<const char*, std::function<void(Game&)>>> cases = {
        {"another name", [](Game& g) { g.state.gameName = "SATURDAY"; }},
        {"another type", [](Game& g) { g.state.gameType = kPlayByMail; }},
        {"another start date", [](Game& g) { g.state.startDate = "TUESDAY"; }},
        {"another world", [](Game& g) { g.map.mapSeed = 100; }},
        {"another seat", [](Game& g) { g.state.currentPlayer = 1; }},
        {"the same turn again", [](Game& g) { g.state.turn -= 1; }},
    };
    for (const auto& [name, change] : cases) {
        SCOPED_TRACE(name);
        Game kept = game;
        ASSERT_TRUE(KeepTurnMemory(kept));
        Game now = game;
        now.state.turn += 1;
        change(now);
        // The file another game would look under is the same one.
        now.saveFileName = game.saveFileName;
        EXPECT_FALSE(ChangesSinceLastTurn(now).has_value());
    }
}

TEST_F(TurnMemoryTest, OnlyALivingHumanSeatOnAWorldIsRemembered) {
    const std::vector<std::pair<const char*, std::function<void(Game&)>>> cases = {
        {"computer seat", [](Game& g) { g.state.players[0].isHuman = 0; }},
        {"dying seat", [](Game& g) { g.state.players[0].lifeState = kDying; }},
        {"no world yet", [](Game& g) { g.map.mapSeed = -1; }},
    };
    for (const auto& [name, change] : cases) {
        SCOPED_TRACE(name);
        Game kept = game;
        change(kept);
        EXPECT_TRUE(KeepTurnMemory(kept));
        EXPECT_FALSE(GameFileExists(TurnMemoryPath(game, 0)));
    }
}

}  // namespace
