#include "game_json.h"

#include <limits>
#include <stdexcept>

#include "save/game_checks.h"

using nlohmann::json;

std::string Latin1ToUtf8(const std::string& bytes) {
    std::string text;
    for (unsigned char c : bytes) {
        if (c < 0x80) {
            text += static_cast<char>(c);
        } else {
            text += static_cast<char>(0xC0 | (c >> 6));
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return text;
}

bool Utf8ToLatin1(const std::string& text, std::string& bytes) {
    bytes.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            bytes += static_cast<char>(c);
        } else if ((c == 0xC2 || c == 0xC3) && i + 1 < text.size()) {
            bytes += static_cast<char>(((c & 0x03) << 6) | (static_cast<unsigned char>(text[++i]) & 0x3F));
        } else {
            return false;
        }
    }
    return true;
}

json SavedGameToJson(const LoadedGame& game, PasswordsInJson passwords) {
    const GameState& s = game.state;
    json out;
    out["key"] = game.key;
    out["gameName"] = Latin1ToUtf8(s.gameName);
    out["startDate"] = Latin1ToUtf8(s.startDate);
    out["gameType"] = s.gameType;
    out["victoryType"] = s.victoryType;
    out["victoryScore"] = s.victoryScore;
    out["victoryTurn"] = s.victoryTurn;
    out["turn"] = s.turn;
    out["currentPlayer"] = s.currentPlayer;
    out["mapSize"] = game.mapSize;
    out["mapSeed"] = game.mapSeed;
    out["usePasswords"] = s.usePasswords;
    out["computerLevel"] = s.computerLevel;
    out["terrainName"] = Latin1ToUtf8(s.terrainName);
    out["players"] = json::array();
    for (const Player& p : s.players) {
        out["players"].push_back({{"name", Latin1ToUtf8(p.name)}, {"isHuman", p.isHuman},
                                  {"seatOpen", p.seatOpen}, {"setupDone", p.setupDone},
                                  {"password", Latin1ToUtf8(p.password)}, {"energy", p.energy},
                                  {"score", p.score}, {"destroyer", p.destroyer},
                                  {"lifeState", p.lifeState}, {"faction", p.faction},
                                  {"powerLevel", p.powerLevel}, {"colour", p.colour},
                                  {"destroyedNotice", p.destroyedNotice}, {"viewX", p.viewX},
                                  {"viewY", p.viewY}});
        if (passwords == PasswordsInJson::kLeftOut) out["players"].back().erase("password");
    }
    out["units"] = json::array();
    for (const Unit& u : s.units) {
        if (u.state != kActive) continue;
        out["units"].push_back({{"type", u.type}, {"owner", u.owner}, {"x", u.x}, {"y", u.y}, {"health", u.health}});
    }
    return out;
}

namespace {

// Reads members, remembering the first problem met; later reads are skipped.
class Reader {
public:
    explicit Reader(std::string& problem) : problem_(problem) {}

    void Int(const json& object, const char* name, int& value) {
        const json* member = Find(object, name);
        if (!member) return;
        if (!member->is_number_integer() || member->get<long long>() < std::numeric_limits<int>::min() ||
            member->get<long long>() > std::numeric_limits<int>::max())
            return Fail(std::string("\"") + name + "\" must be a 32-bit whole number");
        value = member->get<int>();
    }

    void Text(const json& object, const char* name, std::string& value) {
        const json* member = Find(object, name);
        if (!member) return;
        if (!member->is_string()) return Fail(std::string("\"") + name + "\" must be a string");
        std::string bytes;
        if (!Utf8ToLatin1(member->get<std::string>(), bytes))
            return Fail(std::string("\"") + name + "\" holds a character beyond Latin-1");
        // One length byte carries at most 160 characters with the largest offset.
        if (bytes.size() > 160) return Fail(std::string("\"") + name + "\" is longer than 160 characters");
        value = bytes;
    }

    const json* Array(const json& object, const char* name, size_t minSize, size_t maxSize) {
        const json* member = Find(object, name);
        if (!member) return nullptr;
        if (!member->is_array() || member->size() < minSize || member->size() > maxSize) {
            Fail(std::string("\"") + name + "\" must be an array of " + std::to_string(minSize) +
                 (minSize == maxSize ? "" : " to " + std::to_string(maxSize)) + " elements");
            return nullptr;
        }
        return member;
    }

    bool ok() const { return problem_.empty(); }
    void Fail(const std::string& message) {
        if (problem_.empty()) problem_ = message;
    }

private:
    const json* Find(const json& object, const char* name) {
        if (!ok()) return nullptr;
        if (!object.is_object()) {
            Fail("expected an object holding \"" + std::string(name) + "\"");
            return nullptr;
        }
        const auto it = object.find(name);
        if (it == object.end()) {
            Fail(std::string("missing member \"") + name + "\"");
            return nullptr;
        }
        return &*it;
    }
    std::string& problem_;
};

void ReadPlayer(Reader& r, const json& j, Player& p) {
    r.Text(j, "name", p.name);
    r.Int(j, "isHuman", p.isHuman);
    r.Int(j, "seatOpen", p.seatOpen);
    r.Int(j, "setupDone", p.setupDone);
    if (j.is_object() && !j.contains("password"))
        r.Fail("missing member \"password\" (kvtool show prints passwords only with --passwords)");
    r.Text(j, "password", p.password);
    r.Int(j, "energy", p.energy);
    r.Int(j, "score", p.score);
    r.Int(j, "destroyer", p.destroyer);
    r.Int(j, "lifeState", p.lifeState);
    r.Int(j, "faction", p.faction);
    r.Int(j, "powerLevel", p.powerLevel);
    r.Int(j, "colour", p.colour);
    if (const json* notices = r.Array(j, "destroyedNotice", 4, 4))
        for (size_t i = 0; i < 4 && r.ok(); ++i) {
            if (!(*notices)[i].is_number_integer()) r.Fail("\"destroyedNotice\" must hold whole numbers");
            else p.destroyedNotice[i] = (*notices)[i].get<int>();
        }
    r.Int(j, "viewX", p.viewX);
    r.Int(j, "viewY", p.viewY);
}

void ReadUnit(Reader& r, const json& j, Unit& u) {
    u = Unit{};
    u.state = kActive;
    r.Int(j, "type", u.type);
    r.Int(j, "owner", u.owner);
    r.Int(j, "x", u.x);
    r.Int(j, "y", u.y);
    r.Int(j, "health", u.health);
}

}  // namespace

bool JsonToSavedGame(const json& j, LoadedGame& game, std::string& problem) {
    problem.clear();
    Reader r(problem);
    GameState& s = game.state;
    r.Text(j, "gameName", s.gameName);
    r.Text(j, "startDate", s.startDate);
    r.Int(j, "gameType", s.gameType);
    r.Int(j, "victoryType", s.victoryType);
    r.Int(j, "victoryScore", s.victoryScore);
    r.Int(j, "victoryTurn", s.victoryTurn);
    r.Int(j, "turn", s.turn);
    r.Int(j, "currentPlayer", s.currentPlayer);
    r.Int(j, "mapSize", game.mapSize);
    r.Int(j, "mapSeed", game.mapSeed);
    r.Int(j, "usePasswords", s.usePasswords);
    r.Int(j, "computerLevel", s.computerLevel);
    r.Text(j, "terrainName", s.terrainName);
    if (const json* players = r.Array(j, "players", 4, 4))
        for (int i = 0; i < kSeats && r.ok(); ++i) ReadPlayer(r, (*players)[i], s.players[i]);
    for (Unit& u : s.units) u = Unit{};
    if (const json* units = r.Array(j, "units", 0, kMaxUnits))
        for (size_t i = 0; i < units->size() && r.ok(); ++i) ReadUnit(r, (*units)[i], s.units[i]);
    if (!r.ok()) return false;
    return CheckLoadedGame(s, game.mapSize, problem);
}
