#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>

#include "commands.h"
#include "game_json.h"
#include "int_args.h"
#include "platform/files.h"

namespace {

bool ParseKey(const Args& args, int& key, std::string& problem) {
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] != "--key" || i + 1 >= args.size()) {
            problem = "unexpected argument '" + args[i] + "'";
            return false;
        }
        if (!ParseIntArg(args[++i], 0, 9998, key)) {
            problem = "--key takes a number from 0 to 9998";
            return false;
        }
    }
    return true;
}

}  // namespace

int RunWrite(const Args& args) {
    int key = -1;
    std::string problem;
    if (args.empty() || !ParseKey(args, key, problem)) {
        std::fprintf(stderr, "kvtool write: %s\nusage: kvtool write FILE [--key K]\n",
                     problem.empty() ? "no file named" : problem.c_str());
        return args.empty() ? 2 : 1;
    }
    const std::string input((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    const nlohmann::json json = nlohmann::json::parse(input, nullptr, false);
    if (json.is_discarded()) {
        std::fprintf(stderr, "kvtool write: standard input is not valid JSON\n");
        return 1;
    }
    LoadedGame game;
    if (!JsonToSavedGame(json, game, problem)) {
        std::fprintf(stderr, "kvtool write: %s\n", problem.c_str());
        return 1;
    }
    Rng rng;
    if (key < 0) key = DrawSaveKey(rng, SystemTickCount());
    const std::string bytes = EncodeSavedGame(game.state, game.mapSeed, game.mapSize, key, rng);
    if (!ReplaceGameFile(args[0], bytes)) {
        std::fprintf(stderr, "kvtool write: cannot write %s\n", args[0].c_str());
        return 1;
    }
    return 0;
}
