// Whole self-play games: the seats play the factions they are given, the
// same seed plays the same game and another seed another (the soak tests
// play many more against the game's invariants).
#include <gtest/gtest.h>

#include "handover/self_play.h"

namespace {

TEST(SelfPlay, EachSeatPlaysTheFactionGivenAndASeedAlwaysTheSameGame) {
    SelfPlayOptions options;
    options.mapSize = 36;
    options.computerLevel = kHard;
    options.seed = 4;
    options.turns = 8;  // before the game can end
    options.factionShift = 3;
    SelfPlayResult first, other;
    std::string problem;
    ASSERT_TRUE(PlaySelfPlayGame(options, first, problem)) << problem;
    EXPECT_EQ(first.factions, (std::array<int, 4>{kPanther, kFirebird, kWasp, kRaptor}));
    EXPECT_EQ(first.factions[first.winner], first.winnerFaction);
    EXPECT_EQ(std::pair(first.gameOver, first.turnsPlayed), std::pair(false, 8));
    ASSERT_TRUE(PlaySelfPlayGame(options, other, problem)) << problem;
    EXPECT_EQ(other.scores, first.scores);
    options.seed = 5;
    ASSERT_TRUE(PlaySelfPlayGame(options, other, problem)) << problem;
    EXPECT_NE(other.scores, first.scores);
}

}  // namespace
