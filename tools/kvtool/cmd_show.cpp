#include <cstdio>
#include <fstream>
#include <sstream>

#include "commands.h"
#include "game_json.h"

int RunShow(const Args& args) {
    // Passwords are only scrambled in the file; printing them is asked for
    // on purpose, so a glance over someone's shoulder shows none.
    Args files;
    bool passwords = false;
    for (const std::string& arg : args) {
        if (arg == "--passwords") passwords = true;
        else files.push_back(arg);
    }
    if (files.size() != 1) {
        std::fprintf(stderr, "usage: kvtool show FILE [--passwords]\n");
        return 2;
    }
    const std::string& path = files[0];
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "kvtool show: cannot open %s\n", path.c_str());
        return 1;
    }
    std::ostringstream bytes;
    bytes << file.rdbuf();
    LoadedGame game;
    std::string problem;
    if (!DecodeSavedGame(bytes.str(), game, problem)) {
        std::fprintf(stderr, "kvtool show: %s is not a usable saved game: %s\n", path.c_str(), problem.c_str());
        return 1;
    }
    const PasswordsInJson shown = passwords ? PasswordsInJson::kShown : PasswordsInJson::kLeftOut;
    std::printf("%s\n", SavedGameToJson(game, shown).dump(2).c_str());
    return 0;
}
