// The turn steps that pass through the game's saved-game file.
#include <unistd.h>

#include <filesystem>

#include "game/combat.h"
#include "game/rules_fixture.h"
#include "handover/hand_over.h"
#include "save/saved_game.h"

namespace {

// The whole cycle through the saved-game file, as the screens run it.
class HandOverTest : public RulesTest {
protected:
    void SetUp() override {
        RulesTest::SetUp();
        previous_ = std::filesystem::current_path();
        dir_ = std::filesystem::temp_directory_path() / ("kv-turns-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_ / "Saved Games");
        std::filesystem::current_path(dir_);
        game.state.gameName = "TEST";
        game.map.mapSeed = 4242;
        MakeSaveFileName(game);
        Place(1, 1, 0, kBase);
        game.state.turn = 1;
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(dir_);
    }
    std::filesystem::path previous_, dir_;
};

TEST_F(HandOverTest, TheLoserSeesItsEndBeforeTheGameIsOver) {
    const int target = Place(2, 1, 1, kBase);
    const int tank = Place(3, 1, 0, kTank);
    U(target).health = 1;
    Attack(game, tank, target);
    ASSERT_EQ(P(1).lifeState, kDying);
    EXPECT_EQ(ShowPendingNotices(game).size(), 1u);  // the attacker is told at once
    EXPECT_FALSE(IsGameOver(game));

    EndTurn(game);
    ASSERT_EQ(HandOver(game), SeatNext::kHumanTurn);  // the identity check comes next
    DestroyedNotice notice;
    EXPECT_EQ(TakeHumanSeat(game, &notice), SeatNext::kEndOfTurn);
    EXPECT_EQ(notice.loserName, "PLAYER 2");
    EndTurn(game);
    EXPECT_EQ(HandOver(game), SeatNext::kGameOver);
    EXPECT_EQ(Winner(game), 0);
    game.saveFileName = "HOTS-MISSING.KV1";
    EXPECT_EQ(HandOver(game), std::nullopt);
}

}  // namespace
