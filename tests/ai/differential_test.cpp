// The fast computer player against the plain one on many random games: every
// computer turn must leave the whole game, random generator included, exactly
// as the plain version of the same algorithm leaves it.
#include <gtest/gtest.h>

#include <array>

#include "ai/computer_player.h"
#include "plain_computer_player.h"
#include "random_games.h"

namespace {

constexpr int kStatesPerDensity = 20;
constexpr int kTurnsPerState = 3;

class SameAsPlainVersion : public ::testing::TestWithParam<int> {};

TEST_P(SameAsPlainVersion, OnRandomGamesOfAllDensities) {
    const int mapSize = GetParam();
    int turnsCompared = 0, turnsWithAction = 0;
    std::array<int, kSeats> turnsByFaction{};
    for (Density density : {Density::kSparse, Density::kMedium, Density::kCrowded}) {
        for (int i = 0; i < kStatesPerDensity; ++i) {
            const uint32_t seed = static_cast<uint32_t>(mapSize * 1000 + static_cast<int>(density) * 100 + i);
            Game fast = MakeRandomGame(seed, mapSize, density);
            Game plain = fast;
            for (int turn = 0; turn < kTurnsPerState; ++turn) {
                const Game before = fast;
                ++turnsByFaction[fast.state.players[fast.state.currentPlayer].faction];
                RunComputerPlayer(fast);
                plain::RunComputerPlayer(plain);
                const std::string difference = DescribeDifference(plain, fast);
                ASSERT_EQ(difference, "") << "map " << mapSize << ", seed " << seed << ", turn " << turn;
                ++turnsCompared;
                if (!DescribeDifference(before, fast).empty()) ++turnsWithAction;
                PassToNextComputerSeat(fast, seed + turn);
                PassToNextComputerSeat(plain, seed + turn);
            }
        }
    }
    // Random games that the computer leaves alone would prove nothing.
    EXPECT_GT(turnsWithAction, turnsCompared * 3 / 4);
    for (int faction = 0; faction < kSeats; ++faction)
        EXPECT_GT(turnsByFaction[faction], 10) << kFactionNames[faction] << " played too few turns";
}

INSTANTIATE_TEST_SUITE_P(AllMapSizes, SameAsPlainVersion, ::testing::Values(27, 36, 45, 54, 63),
                         [](const auto& info) { return "Size" + std::to_string(info.param); });

}  // namespace
