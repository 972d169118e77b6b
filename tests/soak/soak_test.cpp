// Long play: many whole self-play games of every map size, computer level and
// faction, checking after every seat turn that the game keeps its invariants
// and that the saved game reads back to the same game. KV_SOAK_GAMES sets how
// many games (CI plays a few hundred; see the README for a longer run).
#include <gtest/gtest.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "game/invariants.h"
#include "handover/self_play.h"
#include "handover/turn_cycle.h"
#include "save/saved_game.h"
#include "support/temp_dir.h"

namespace {

int SoakGames() {
    const char* wanted = std::getenv("KV_SOAK_GAMES");
    const int games = wanted ? std::atoi(wanted) : 0;
    return games > 0 ? games : 300;
}

// The game as the next hand-over will read it from the saved game.
void ExpectSaveReadsBack(const Game& game) {
    Rng rng;
    const std::string bytes = EncodeSavedGame(game.state, game.map.mapSeed, game.map.mapSize, 77, rng);
    LoadedGame loaded;
    loaded.state = game.state;
    std::string problem;
    ASSERT_TRUE(DecodeSavedGame(bytes, loaded, problem)) << problem;
    EXPECT_EQ(loaded.mapSeed, game.map.mapSeed);
    EXPECT_EQ(loaded.mapSize, game.map.mapSize);
    const GameState& a = game.state;
    const GameState& b = loaded.state;
    EXPECT_EQ(a.players, b.players);
    EXPECT_EQ(a.turn, b.turn);
    EXPECT_EQ(a.currentPlayer, b.currentPlayer);
    int slot = 0;
    for (const Unit& u : a.units) {
        if (u.state != kActive) continue;
        const Unit& v = b.units[slot++];
        ASSERT_EQ(v.state, kActive);
        ASSERT_TRUE(u.type == v.type && u.owner == v.owner && u.x == v.x && u.y == v.y && u.health == v.health);
    }
}

struct SoakTotals {
    int games = 0, gamesOver = 0, turns = 0, seatTurns = 0;
};

void PlayGame(int index, SoakTotals& totals) {
    static const int kSizes[] = {27, 36, 45, 54, 63};
    SelfPlayOptions options;
    options.mapSize = kSizes[index % 5];
    options.computerLevel = 1 + (index / 5) % 3;
    options.factionShift = (index / 15) % 4;
    options.seed = static_cast<uint32_t>(1000 + index);
    options.turns = 40 + index % 61;
    options.afterEachStep = [&](const Game& game) {
        const std::vector<std::string> broken = CheckInvariants(game);
        ASSERT_TRUE(broken.empty()) << "game " << index << ", turn " << game.state.turn << ": " << broken.front();
        ExpectSaveReadsBack(game);
    };
    SelfPlayResult result;
    std::string problem;
    ASSERT_TRUE(PlaySelfPlayGame(options, result, problem)) << "game " << index << ": " << problem;
    ++totals.games;
    totals.gamesOver += result.gameOver;
    totals.turns += result.turnsPlayed;
    totals.seatTurns += result.seatTurns;
}

TEST(Soak, ManyGamesKeepTheirInvariantsAndSaveFaithfully) {
    SoakTotals totals;
    const int games = SoakGames();
    for (int i = 0; i < games && !HasFatalFailure(); ++i) PlayGame(i, totals);
    EXPECT_EQ(totals.games, games);
    std::printf("soak: %d games (%d ended by the rules), %d turns, %d seat turns\n", totals.games,
                totals.gamesOver, totals.turns, totals.seatTurns);
}

// Heap in use after warming up stays put over many more games: nothing the
// turn cycle allocates outlives its game.
TEST(Soak, LongPlayDoesNotGrowTheHeap) {
    SoakTotals totals;
    for (int i = 0; i < 10; ++i) PlayGame(i, totals);
    const size_t before = mallinfo2().uordblks;
    for (int i = 10; i < 60; ++i) PlayGame(i, totals);
    const size_t after = mallinfo2().uordblks;
    EXPECT_LT(after, before + 64 * 1024) << "heap grew from " << before << " to " << after << " bytes";
}

size_t OpenFileHandles() {
    size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) count += !entry.is_directory();
    return count;
}

// Turns played through a real file on disk close every file they open.
using SoakOnDisk = InTempDir;
TEST_F(SoakOnDisk, TurnsThroughTheDiskLeaveNoFileOpen) {
    SelfPlayOptions options;
    options.mapSize = 36;
    options.seed = 9;
    options.turns = 2;  // the game goes on from here through the disk
    options.path = "SOAK.KV1";
    SelfPlayResult result;
    std::string problem;
    ASSERT_TRUE(PlaySelfPlayGame(options, result, problem)) << problem;
    const size_t before = OpenFileHandles();
    Game game;
    const TurnFile file("SOAK.KV1");
    ASSERT_TRUE(file.Load(game, problem)) << problem;
    game.hooks.fixedSaveKey = 5;
    int steps = 0;
    while (steps < 200 && !IsStop(PlaySeatStep(game, file, 1234).step)) ++steps;
    EXPECT_GE(steps, 8) << "the game should go on for a few turns";
    EXPECT_EQ(OpenFileHandles(), before);
}

}  // namespace
