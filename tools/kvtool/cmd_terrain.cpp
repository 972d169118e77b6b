#include <cstdio>
#include <string>

#include <nlohmann/json.hpp>

#include "commands.h"
#include "int_args.h"
#include "world/terrain.h"

namespace {

nlohmann::json RectJson(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

int RunTerrain(const Args& args) {
    long long seed = 0, size = 0;
    if (args.size() != 2 || !ParseWholeArg(args[0], INT32_MIN, UINT32_MAX, seed) ||
        !ParseWholeArg(args[1], 27, 63, size) || !IsValidMapSize(static_cast<int>(size))) {
        std::fprintf(stderr, "usage: kvtool terrain SEED SIZE  (SEED a whole number, SIZE 27, 36, 45, 54 or 63)\n");
        return 2;
    }
    Game game;
    game.map.mapSeed = static_cast<int>(static_cast<uint32_t>(seed));
    game.map.mapSize = static_cast<int>(size);
    GenerateTerrain(game);

    const int n = game.map.mapSize;
    nlohmann::json terrain = nlohmann::json::array(), images = nlohmann::json::array(),
                   corners = nlohmann::json::array();
    for (int x = 0; x < n; ++x) {
        nlohmann::json t = nlohmann::json::array(), im = nlohmann::json::array(), co = nlohmann::json::array();
        for (int y = 0; y < n; ++y) {
            const Tile& tile = game.map.tiles[x][y];
            t.push_back(tile.terrain);
            im.push_back(RectJson(tile.imageRect));
            nlohmann::json four = nlohmann::json::array();
            for (const Rect& r : tile.cornerRect) four.push_back(RectJson(r));
            co.push_back(four);
        }
        terrain.push_back(t);
        images.push_back(im);
        corners.push_back(co);
    }
    nlohmann::ordered_json out;
    out["mapSeed"] = game.map.mapSeed;
    out["mapSize"] = n;
    out["rngState"] = game.rng.state;
    out["terrain"] = terrain;
    out["imageRect"] = images;
    out["cornerRect"] = corners;
    std::printf("%s\n", out.dump().c_str());
    return 0;
}
