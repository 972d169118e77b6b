// The computer player's speed: one turn on a crowded HUGE map (four seats of
// 60 units each), the fast player beside the plain one, and whole self-play
// games on HUGE at HARD.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "ai/computer_player.h"
#include "game/unit_types.h"
#include "handover/self_play.h"
#include "plain_computer_player.h"
#include "world/starting_units.h"
#include "world/terrain.h"

namespace {

constexpr int kHuge = 63;
constexpr int kUnitsPerSeat = 60;

bool Passable(const Game& game, int x, int y) {
    const int terrain = game.map.tiles[x][y].terrain;
    return terrain != kWater && terrain != kRough && UnitAt(game, x, y) == -1;
}

// A mid-game on HUGE: every seat holds its corner base and 59 more units
// spread over its quarter of the map, so the fronts meet in the middle. Every unit
// is ready to act, as after a human turn.
Game CrowdedHugeGame() {
    Game game;
    game.hooks.tickCount = [] { return 1u; };
    game.state.gameType = kSinglePlayer;
    ResetGameState(game);
    game.map.mapSize = kHuge;
    game.map.mapSeed = 4242;
    game.state.computerLevel = kHard;
    game.maxScrollX = kHuge - 13;
    game.maxScrollY = kHuge - 12;
    for (Player& p : game.state.players) {
        p.seatOpen = 1;
        p.lifeState = kAlive;
        p.energy = 3000;
        p.powerLevel = 60;
    }
    PlaceStartingUnits(game);
    GenerateTerrain(game);
    std::mt19937 random(7);
    static const int kTypes[] = {kStandard, kStandard, kStandard, kAir, kTank, kArtillery};
    for (int seat = 0; seat < kSeats; ++seat) {
        const int left = seat % 2 ? kHuge / 2 : 0, top = seat / 2 ? kHuge / 2 : 0;
        // Bases count too: 4 x 60 units fill the whole unit table.
        while (CountUnits(game, seat) + CountBases(game, seat) < kUnitsPerSeat) {
            const int x = left + static_cast<int>(random() % (kHuge / 2));
            const int y = top + static_cast<int>(random() % (kHuge / 2));
            if (Passable(game, x, y)) CreateUnit(game, x, y, seat, kTypes[random() % 6]);
        }
    }
    game.unitCap = UnitCapForMapSize(kHuge);
    game.state.currentPlayer = 1;
    return game;
}

template <void (*Play)(Game&)>
void OneCrowdedHugeTurn(benchmark::State& state) {
    Game game = CrowdedHugeGame();
    const GameState start = game.state;
    const Rng startRng = game.rng;
    for (auto _ : state) {
        game.state = start;  // a few microseconds against milliseconds of play
        game.rng = startRng;
        Play(game);
        benchmark::DoNotOptimize(game.state.players[1].energy);
    }
}

void FastPlayer(Game& game) { RunComputerPlayer(game); }
void PlainPlayer(Game& game) { plain::RunComputerPlayer(game); }

BENCHMARK(OneCrowdedHugeTurn<FastPlayer>)
    ->Name("ComputerTurn/CrowdedHuge/Fast")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(OneCrowdedHugeTurn<PlainPlayer>)
    ->Name("ComputerTurn/CrowdedHuge/Plain")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// Whole games through the saved game's bytes, as kvtool selfplay plays them.
void SelfPlayHugeHard(benchmark::State& state) {
    uint32_t seed = 1;
    int seatTurns = 0;
    int turns = 0;
    for (auto _ : state) {
        SelfPlayOptions options;
        options.mapSize = kHuge;
        options.computerLevel = kHard;
        options.seed = seed++;
        options.turns = 100;
        SelfPlayResult result;
        std::string problem;
        if (!PlaySelfPlayGame(options, result, problem)) {
            state.SkipWithError(problem.c_str());
            return;
        }
        seatTurns += result.seatTurns;
        turns += result.turnsPlayed;
    }
    state.counters["seat_turns_per_game"] =
        benchmark::Counter(seatTurns, benchmark::Counter::kAvgIterations);
    state.counters["turns_per_game"] = benchmark::Counter(turns, benchmark::Counter::kAvgIterations);
    // Seconds per seat turn (shown in ms by the counter's own scaling).
    state.counters["time_per_seat_turn"] =
        benchmark::Counter(seatTurns, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(SelfPlayHugeHard)->Name("SelfPlay/HugeHard")->Unit(benchmark::kMillisecond);

}  // namespace
