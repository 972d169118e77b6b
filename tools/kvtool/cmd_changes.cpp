#include <cstdio>
#include <fstream>
#include <sstream>

#include "commands.h"
#include "game/turn_changes.h"
#include "int_args.h"
#include "game_json.h"

namespace {

struct ChangesArgs {
    std::string oldFile, newFile;
    int seat = -1;  // the seat in turn in NEW unless given
    bool json = false;
    bool fogOfWar = true;
};

bool ParseChangesArgs(const Args& args, ChangesArgs& out) {
    std::vector<std::string> files;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--json") {
            out.json = true;
        } else if (args[i] == "--all") {
            out.fogOfWar = false;
        } else if (args[i] == "--seat") {
            if (++i == args.size() || !ParseIntArg(args[i], 0, kSeats - 1, out.seat)) return false;
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 2) return false;
    out.oldFile = files[0];
    out.newFile = files[1];
    return true;
}

bool ReadGame(const std::string& path, LoadedGame& game) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    std::string problem;
    if (file && DecodeSavedGame(bytes.str(), game, problem)) return true;
    std::fprintf(stderr, "kvtool changes: %s is not a usable saved game%s%s\n", path.c_str(),
                 problem.empty() ? "" : ": ", problem.c_str());
    return false;
}

const char* FateName(UnitFate fate) {
    switch (fate) {
        case UnitFate::kChanged: return "changed";
        case UnitFate::kGone: return "gone";
        case UnitFate::kNew: return "new";
        case UnitFate::kLeft: return "left";
    }
    return "";
}

nlohmann::json ChangesToJson(const TurnChanges& changes) {
    nlohmann::json out = {{"seat", changes.seat}, {"units", nlohmann::json::array()}, {"seats", nlohmann::json::array()}};
    for (const UnitNews& n : changes.units) {
        out["units"].push_back({{"fate", FateName(n.fate)}, {"slot", n.slot}, {"owner", n.owner}, {"type", n.type},
                                {"oldType", n.oldType}, {"fromX", n.fromX}, {"fromY", n.fromY}, {"x", n.x},
                                {"y", n.y}, {"oldHealth", n.oldHealth}, {"health", n.health}});
    }
    for (const SeatNews& n : changes.seats) {
        out["seats"].push_back(
            {{"seat", n.seat}, {"oldScore", n.oldScore}, {"score", n.score}, {"eliminated", n.eliminated}});
    }
    return out;
}

}  // namespace

int RunChanges(const Args& args) {
    ChangesArgs a;
    if (!ParseChangesArgs(args, a)) {
        std::fprintf(stderr, "usage: kvtool changes OLD NEW [--seat N] [--json] [--all]\n");
        return 2;
    }
    LoadedGame before, now;
    if (!ReadGame(a.oldFile, before) || !ReadGame(a.newFile, now)) return 1;
    if (!IsSameGame(before.state, before.mapSeed, now.state, now.mapSeed) || before.mapSize != now.mapSize) {
        std::fprintf(stderr, "kvtool changes: %s and %s are not the same game\n", a.oldFile.c_str(), a.newFile.c_str());
        return 1;
    }
    const int seat = a.seat >= 0 ? a.seat : now.state.currentPlayer;
    const TurnChanges changes = CompareTurns(before.state, now.state, now.mapSize, seat, a.fogOfWar);
    if (a.json) {
        std::printf("%s\n", ChangesToJson(changes).dump(2).c_str());
        return 0;
    }
    for (const std::string& line : TurnChangeLines(changes, now.state)) std::printf("%s\n", Latin1ToUtf8(line).c_str());
    return 0;
}
