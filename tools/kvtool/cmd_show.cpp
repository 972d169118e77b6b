#include <cstdio>
#include <fstream>
#include <sstream>

#include "commands.h"
#include "game_json.h"

int RunShow(const Args& args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: kvtool show FILE\n");
        return 2;
    }
    std::ifstream file(args[0], std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "kvtool show: cannot open %s\n", args[0].c_str());
        return 1;
    }
    std::ostringstream bytes;
    bytes << file.rdbuf();
    LoadedGame game;
    std::string problem;
    if (!DecodeSavedGame(bytes.str(), game, problem)) {
        std::fprintf(stderr, "kvtool show: %s is not a usable saved game: %s\n", args[0].c_str(), problem.c_str());
        return 1;
    }
    std::printf("%s\n", SavedGameToJson(game).dump(2).c_str());
    return 0;
}
