// Whole self-play games: they end, they keep the game's invariants at every
// seat step, and the same seed always plays the same game.
#include <gtest/gtest.h>

#include "ai/self_play.h"
#include "game/invariants.h"
#include "game/turns.h"

namespace {

TEST(SelfPlay, GamesOfEverySizeAndLevelKeepTheInvariantsAtEveryStep) {
    int games = 0;
    for (int size : {27, 36, 45, 54, 63}) {
        for (int level : {kEasy, kFair, kHard}) {
            SelfPlayOptions options;
            options.mapSize = size;
            options.computerLevel = level;
            options.seed = static_cast<uint32_t>(size * 10 + level);
            options.turns = 60;
            options.factionShift = level;
            int lastTurn = 0;
            options.afterEachStep = [&](const Game& game) {
                const std::vector<std::string> broken = CheckInvariants(game);
                ASSERT_TRUE(broken.empty()) << "size " << size << " level " << level << ": " << broken.front();
                ASSERT_GE(game.state.turn, lastTurn);
                lastTurn = game.state.turn;
            };
            SelfPlayResult result;
            std::string problem;
            ASSERT_TRUE(PlaySelfPlayGame(options, result, problem)) << problem;
            ++games;
            EXPECT_GE(result.seatTurns, 4);
            EXPECT_LE(result.turnsPlayed, 60);
            if (!result.gameOver) {
                EXPECT_EQ(result.turnsPlayed, 60);
            }
            EXPECT_EQ(result.factions[result.winner], result.winnerFaction);
        }
    }
    EXPECT_EQ(games, 15);
}

TEST(SelfPlay, TheSameSeedPlaysTheSameGame) {
    SelfPlayOptions options;
    options.mapSize = 36;
    options.computerLevel = kHard;
    options.seed = 4;
    options.turns = 30;
    SelfPlayResult first, second;
    std::string problem;
    ASSERT_TRUE(PlaySelfPlayGame(options, first, problem)) << problem;
    ASSERT_TRUE(PlaySelfPlayGame(options, second, problem)) << problem;
    EXPECT_EQ(first.scores, second.scores);
    EXPECT_EQ(first.seatTurns, second.seatTurns);
    options.seed = 5;
    SelfPlayResult other;
    ASSERT_TRUE(PlaySelfPlayGame(options, other, problem)) << problem;
    EXPECT_NE(other.scores, first.scores);
}

TEST(SelfPlay, TheSeatsPlayTheFactionsTheyAreGiven) {
    SelfPlayOptions options;
    options.mapSize = 27;
    options.computerLevel = kFair;
    options.turns = 2;
    options.factionShift = 3;
    SelfPlayResult result;
    std::string problem;
    ASSERT_TRUE(PlaySelfPlayGame(options, result, problem)) << problem;
    EXPECT_EQ(result.factions, (std::array<int, 4>{kPanther, kFirebird, kWasp, kRaptor}));
}

}  // namespace
