// Saved games arrive by mail from anywhere: whatever the bytes, reading must
// not crash, and a file that reads must write back to a file that reads the
// same.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "save/saved_game.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    LoadedGame game;
    std::string problem;
    if (!DecodeSavedGame(bytes, game, problem)) return 0;
    Rng rng;
    const std::string again = EncodeSavedGame(game.state, game.mapSeed, game.mapSize, game.key, rng);
    LoadedGame second;
    if (!DecodeSavedGame(again, second, problem) || !(second.state == game.state) ||
        second.mapSeed != game.mapSeed || second.mapSize != game.mapSize)
        std::abort();
    return 0;
}
