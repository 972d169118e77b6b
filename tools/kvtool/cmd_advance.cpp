// kvtool advance: plays seat turns of a saved game exactly as the game's turn
// cycle plays them, without any screen, and leaves the game in the file.
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "commands.h"
#include "handover/turn_cycle.h"
#include "int_args.h"

namespace {

struct AdvanceArgs {
    std::string file;
    int seats = -1;
    std::optional<int> worldSeed;
    int key = -1;
};

bool Fail(std::string& problem, const std::string& text) {
    problem = text;
    return false;
}

bool ParseArgs(const Args& args, AdvanceArgs& out, std::string& problem) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        int value = 0;
        if (a == "--seats") {
            if (!hasValue || !ParseIntArg(args[++i], 0, 1000000, out.seats))
                return Fail(problem, "--seats takes a count from 0");
        } else if (a == "--world-seed") {
            // -1 is the "no world yet" mark and cannot seed a world.
            if (!hasValue || !ParseIntArg(args[++i], -2147483648LL, 2147483647LL, value) || value == -1)
                return Fail(problem, "--world-seed takes a 32-bit number other than -1");
            out.worldSeed = value;
        } else if (a == "--key") {
            if (!hasValue || !ParseIntArg(args[++i], 0, 9998, out.key))
                return Fail(problem, "--key takes a number from 0 to 9998");
        } else if (out.file.empty() && !a.starts_with("--")) {
            out.file = a;
        } else {
            return Fail(problem, "unexpected argument '" + a + "'");
        }
    }
    if (out.file.empty()) return Fail(problem, "no file named");
    if (out.seats < 0) return Fail(problem, "--seats N is required");
    return true;
}

const char* SeatName(const Game& game, int seat) { return game.state.players[seat].name.c_str(); }

}  // namespace

int RunAdvance(const Args& args) {
    AdvanceArgs options;
    std::string problem;
    if (!ParseArgs(args, options, problem)) {
        std::fprintf(stderr, "kvtool advance: %s\nusage: kvtool advance FILE --seats N [--world-seed S] [--key K]\n",
                     problem.c_str());
        return 2;
    }
    // As at program start: every slot free with its flags clear, view at 0, 0.
    Game game;
    game.hooks.fixedSaveKey = options.key;
    const TurnFile file(options.file);
    const auto worlds = std::make_unique<WorldCache>();
    for (int step = 0; step < options.seats; ++step) {
        const SeatStepResult result = PlaySeatStep(game, file, options.worldSeed, worlds.get());
        switch (result.step) {
            case SeatStep::kGameOver: std::printf("GAME OVER %d\n", result.winner); return 0;
            case SeatStep::kHumanSetUpNeeded:
                std::fprintf(stderr, "kvtool advance: seat %d (%s) is a human seat that has not been set up\n",
                             result.seat, SeatName(game, result.seat));
                return 1;
            case SeatStep::kNoWorldSeed:
                std::fprintf(stderr,
                             "kvtool advance: seat %d starts the first human turn, which makes the world: "
                             "--world-seed S is needed\n",
                             result.seat);
                return 1;
            case SeatStep::kFileProblem:
                std::fprintf(stderr, "kvtool advance: %s\n", result.problem.c_str());
                return 1;
            default: break;
        }
    }
    return 0;
}
