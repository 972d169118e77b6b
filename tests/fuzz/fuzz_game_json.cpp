// kvtool write reads JSON from anyone: it must refuse what is wrong and write
// only games that read back as written.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "game_json.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const nlohmann::json json = nlohmann::json::parse(text, nullptr, false);
    if (json.is_discarded()) return 0;
    LoadedGame game;
    std::string problem;
    if (!JsonToSavedGame(json, game, problem)) return 0;
    Rng rng;
    const std::string bytes = EncodeSavedGame(game.state, game.mapSeed, game.mapSize, 4321, rng);
    LoadedGame back;
    if (!DecodeSavedGame(bytes, back, problem) || !(back.state == game.state)) std::abort();
    return 0;
}
