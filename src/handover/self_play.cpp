#include "handover/self_play.h"

#include <ctime>
#include <memory>

#include "game/turns.h"
#include "handover/hand_over.h"
#include "handover/turn_cycle.h"
#include "platform/files.h"
#include "save/saved_game.h"

namespace {

// The world of a self-play game grows from its seed; -1 would mean "no world".
int WorldSeedFor(uint32_t seed) { return static_cast<int>((seed * 2654435761u + 12345u) & 0x7FFFFFFFu); }

std::string FixedStartDate() {
    std::tm when{};
    when.tm_year = 2026 - 1900;
    when.tm_mon = 0;
    when.tm_mday = 1;
    when.tm_hour = 12;
    when.tm_wday = 4;
    return LongDateText(when);
}

// Seat 0's set-up turn as the first seat would play it: three computer seats
// join, every seat gets its faction, the game is launched.
void SetUpGame(Game& game, const SelfPlayOptions& options) {
    const uint32_t seed = options.seed;
    game.hooks.tickCount = [seed] { return seed; };
    game.hooks.fixedSaveKey = static_cast<int>(seed % 9999);
    game.state.gameType = kSinglePlayer;
    ResetGameState(game);
    GameState& s = game.state;
    game.map.mapSize = options.mapSize;
    s.computerLevel = options.computerLevel;
    s.gameName = "SELFPLAY-" + std::to_string(seed);
    s.startDate = FixedStartDate();
    s.terrainName = "SELFPLAY.BMP";
    for (int seat = 0; seat < kSeats; ++seat) {
        Player& p = s.players[seat];
        p.seatOpen = 1;
        p.lifeState = kAlive;
        p.faction = (seat + options.factionShift) % kSeats;
    }
    s.players[0].setupDone = 1;
}

void Summarise(const Game& game, SelfPlayResult& result) {
    const GameState& s = game.state;
    // Turn 0 is the set-up cycle; a turn counts once its first seat has played.
    result.turnsPlayed = s.currentPlayer == 0 ? s.turn - 1 : s.turn;
    result.winner = Winner(game);
    result.winnerFaction = s.players[result.winner].faction;
    for (int seat = 0; seat < kSeats; ++seat) {
        result.scores[seat] = s.players[seat].score;
        result.factions[seat] = s.players[seat].faction;
    }
}

}  // namespace

bool PlaySelfPlayGame(const SelfPlayOptions& options, SelfPlayResult& result, std::string& problem) {
    result = SelfPlayResult{};
    // Every turn passes through the saved game's bytes, kept in memory; the
    // last of them go to the file asked for.
    const TurnFile file = TurnFile::InMemory();
    Game game;
    SetUpGame(game, options);
    if (!EndTurn(game, file, problem)) return false;
    const int worldSeed = WorldSeedFor(options.seed);
    const auto worlds = std::make_unique<WorldCache>();
    for (;;) {
        const SeatStepResult step = PlaySeatStep(game, file, worldSeed, worlds.get());
        if (step.step == SeatStep::kGameOver) {
            result.gameOver = true;
            break;
        }
        if (IsStop(step.step)) {
            problem = step.problem.empty() ? "the game stopped unexpectedly" : step.problem;
            return false;
        }
        ++result.seatTurns;
        if (options.afterEachStep) options.afterEachStep(game);
        if (game.state.turn > options.turns) break;
    }
    Summarise(game, result);
    if (!options.path.empty() && !ReplaceGameFile(options.path, file.Bytes())) {
        problem = "cannot write " + options.path;
        return false;
    }
    return true;
}
