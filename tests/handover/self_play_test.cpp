// Whole self-play games: the seats play the factions they are given, and the
// same seed always plays the same game. (The soak tests play many more of them
// against the game's invariants.)
#include <gtest/gtest.h>

#include "handover/self_play.h"

namespace {

TEST(SelfPlay, TheSameSeedPlaysTheSameGameWithTheFactionsGiven) {
    SelfPlayOptions options;
    options.mapSize = 36;
    options.computerLevel = kHard;
    options.seed = 4;
    options.turns = 30;
    options.factionShift = 3;
    SelfPlayResult first, second, other;
    std::string problem;
    ASSERT_TRUE(PlaySelfPlayGame(options, first, problem)) << problem;
    ASSERT_TRUE(PlaySelfPlayGame(options, second, problem)) << problem;
    EXPECT_EQ(first.factions, (std::array<int, 4>{kPanther, kFirebird, kWasp, kRaptor}));
    EXPECT_EQ(first.factions[first.winner], first.winnerFaction);
    EXPECT_TRUE(first.gameOver || first.turnsPlayed == 30);
    EXPECT_EQ(first.scores, second.scores);
    EXPECT_EQ(first.seatTurns, second.seatTurns);
    options.seed = 5;
    ASSERT_TRUE(PlaySelfPlayGame(options, other, problem)) << problem;
    EXPECT_NE(other.scores, first.scores);
}

}  // namespace
