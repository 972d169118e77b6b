// The fast computer player against the plain one on many random games: every
// computer turn must leave the whole game, random generator included, exactly
// as the plain version of the same algorithm leaves it.
#include <gtest/gtest.h>

#include "ai/computer_player.h"
#include "plain_computer_player.h"
#include "random_games.h"

namespace {

constexpr int kStatesPerDensity = 20;
constexpr int kTurnsPerState = 3;

// Empty when the two games are the same in every field the rules keep
// (records, random generator, status line, unit cap); otherwise the first
// difference in words.
std::string DescribeDifference(const Game& expected, const Game& actual) {
    for (int slot = 0; slot < kMaxUnits; ++slot)
        if (!(expected.state.units[slot] == actual.state.units[slot])) return "unit " + std::to_string(slot);
    for (int seat = 0; seat < kSeats; ++seat)
        if (!(expected.state.players[seat] == actual.state.players[seat])) return "seat " + std::to_string(seat);
    if (!(expected.state == actual.state)) return "game options or turn differ";
    if (expected.rng.state != actual.rng.state) return "random generator";
    if (expected.statusMessage != actual.statusMessage)
        return "status line: expected '" + expected.statusMessage + "', got '" + actual.statusMessage + "'";
    if (expected.unitCap != actual.unitCap) return "unit cap differs";
    return "";
}

class SameAsPlainVersion : public ::testing::TestWithParam<int> {};

TEST_P(SameAsPlainVersion, OnRandomGamesOfAllDensities) {
    const int mapSize = GetParam();
    int turnsCompared = 0, turnsWithAction = 0;
    for (Density density : {Density::kSparse, Density::kMedium, Density::kCrowded}) {
        for (int i = 0; i < kStatesPerDensity; ++i) {
            const uint32_t seed = static_cast<uint32_t>(mapSize * 1000 + static_cast<int>(density) * 100 + i);
            Game fast = MakeRandomGame(seed, mapSize, density);
            Game plain = fast;
            for (int turn = 0; turn < kTurnsPerState; ++turn) {
                const Game before = fast;
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
}

INSTANTIATE_TEST_SUITE_P(AllMapSizes, SameAsPlainVersion, ::testing::Values(27, 36, 45, 54, 63),
                         [](const auto& info) { return "Size" + std::to_string(info.param); });

}  // namespace
