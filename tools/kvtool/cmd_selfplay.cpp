// kvtool selfplay: whole games of one idle human seat against three computer
// seats, for balancing the factions and for soak tests.
#include <array>
#include <cstdio>
#include <string>

#include "commands.h"
#include "game/state.h"
#include "handover/self_play.h"
#include "int_args.h"

namespace {

struct SelfPlayArgs {
    SelfPlayOptions game;
    int games = 1;
    bool sizeGiven = false;
    bool levelGiven = false;
};

bool Fail(std::string& problem, const std::string& text) {
    problem = text;
    return false;
}

bool ParseLevel(const std::string& text, int& level) {
    static const std::array<const char*, 3> kNames = {"EASY", "FAIR", "HARD"};
    std::string upper;
    for (char c : text) upper += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    for (int i = 0; i < 3; ++i) {
        if (upper == kNames[i]) {
            level = i + 1;
            return true;
        }
    }
    return ParseIntArg(text, kEasy, kHard, level);
}

bool ParseValue(const std::string& name, const std::string& text, SelfPlayArgs& out, std::string& problem) {
    int value = 0;
    if (name == "--size") {
        if (!ParseIntArg(text, 0, 63, value) || !IsValidMapSize(value))
            return Fail(problem, "--size takes 27, 36, 45, 54 or 63");
        out.game.mapSize = value;
        out.sizeGiven = true;
    } else if (name == "--level") {
        if (!ParseLevel(text, out.game.computerLevel)) return Fail(problem, "--level takes 1, 2, 3 or EASY, FAIR, HARD");
        out.levelGiven = true;
    } else if (name == "--seed") {
        if (!ParseIntArg(text, 0, 2147483647LL, value)) return Fail(problem, "--seed takes a number from 0");
        out.game.seed = static_cast<uint32_t>(value);
    } else if (name == "--turns") {
        if (!ParseIntArg(text, 1, 100000, out.game.turns)) return Fail(problem, "--turns takes a number from 1");
    } else if (name == "--games") {
        if (!ParseIntArg(text, 1, 100000, out.games)) return Fail(problem, "--games takes a number from 1");
    } else if (name == "--out") {
        out.game.path = text;
    } else {
        return Fail(problem, "unexpected argument '" + name + "'");
    }
    return true;
}

bool ParseArgs(const Args& args, SelfPlayArgs& out, std::string& problem) {
    for (size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) return Fail(problem, args[i] + " needs a value");
        if (!ParseValue(args[i], args[i + 1], out, problem)) return false;
    }
    if (!out.sizeGiven || !out.levelGiven) return Fail(problem, "--size and --level are required");
    if (out.games > 1 && !out.game.path.empty()) return Fail(problem, "--out keeps one game: leave it out with --games");
    return true;
}

void PrintGame(const SelfPlayOptions& options, const SelfPlayResult& r) {
    std::printf("seed %u: %d turns, %s, winner seat %d (%s), scores", options.seed, r.turnsPlayed,
                r.gameOver ? "game over" : "turn limit", r.winner, kFactionNames[r.winnerFaction]);
    for (int seat = 0; seat < kSeats; ++seat) std::printf(" %d", r.scores[seat]);
    std::printf("\n");
}

void PrintRates(const char* what, const std::array<int, 4>& wins, const std::array<int, 4>& played,
                bool byFaction) {
    std::printf("%s:", what);
    for (int i = 0; i < 4; ++i) {
        const double rate = played[i] ? 100.0 * wins[i] / played[i] : 0.0;
        if (byFaction)
            std::printf(" %s %d/%d (%.0f%%)", kFactionNames[i], wins[i], played[i], rate);
        else
            std::printf(" seat %d %d/%d (%.0f%%)", i, wins[i], played[i], rate);
    }
    std::printf("\n");
}

}  // namespace

int RunSelfPlay(const Args& args) {
    SelfPlayArgs options;
    std::string problem;
    if (!ParseArgs(args, options, problem)) {
        std::fprintf(stderr,
                     "kvtool selfplay: %s\nusage: kvtool selfplay --size N --level L [--seed S] [--turns T] "
                     "[--out FILE] [--games G]\n",
                     problem.c_str());
        return 2;
    }
    std::array<int, 4> factionWins{}, factionGames{}, seatWins{}, seatGames{};
    for (int g = 0; g < options.games; ++g) {
        SelfPlayOptions game = options.game;
        game.seed = options.game.seed + static_cast<uint32_t>(g);
        game.factionShift = g % kSeats;  // every faction takes every seat in turn
        SelfPlayResult result;
        if (!PlaySelfPlayGame(game, result, problem)) {
            std::fprintf(stderr, "kvtool selfplay: %s\n", problem.c_str());
            return 1;
        }
        PrintGame(game, result);
        for (int seat = 0; seat < kSeats; ++seat) {
            ++seatGames[seat];
            ++factionGames[result.factions[seat]];
        }
        ++seatWins[result.winner];
        ++factionWins[result.winnerFaction];
    }
    if (options.games > 1) {
        PrintRates("wins by faction", factionWins, factionGames, true);
        PrintRates("wins by seat", seatWins, seatGames, false);
    }
    return 0;
}
