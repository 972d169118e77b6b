#include "save/saved_game.h"

#include "platform/files.h"
#include "platform/run_log.h"
#include "save/game_checks.h"
#include "save/scrambled_fields.h"

namespace {

void WriteOptions(std::string& out, Rng& rng, const GameState& s, int mapSeed, int mapSize) {
    WriteScrambledString(out, rng, s.gameName);
    WriteScrambledString(out, rng, s.startDate);
    for (int value : {s.gameType, s.victoryType, s.victoryScore, s.victoryTurn, s.turn,
                      s.currentPlayer, mapSize, mapSeed, s.usePasswords, s.computerLevel})
        WriteScrambledInt(out, rng, value);
    WriteScrambledString(out, rng, s.terrainName);
}

void WritePlayer(std::string& out, Rng& rng, const Player& p) {
    WriteScrambledString(out, rng, p.name);
    for (int value : {p.isHuman, p.seatOpen, p.setupDone}) WriteScrambledInt(out, rng, value);
    WriteScrambledString(out, rng, p.password);
    for (int value : {p.energy, p.score, p.destroyer, p.lifeState, p.faction, p.powerLevel, p.colour})
        WriteScrambledInt(out, rng, value);
    for (int notice : p.destroyedNotice) WriteScrambledInt(out, rng, notice);
    WriteScrambledInt(out, rng, p.viewX);
    WriteScrambledInt(out, rng, p.viewY);
}

bool ReadOptions(ScrambledReader& in, Rng& rng, LoadedGame& g) {
    GameState& s = g.state;
    in.ReadScrambledString(rng, s.gameName);
    in.ReadScrambledString(rng, s.startDate);
    for (int* field : {&s.gameType, &s.victoryType, &s.victoryScore, &s.victoryTurn, &s.turn,
                       &s.currentPlayer, &g.mapSize, &g.mapSeed, &s.usePasswords, &s.computerLevel})
        in.ReadScrambledInt(rng, *field);
    in.ReadScrambledString(rng, s.terrainName);
    return !in.failed();
}

bool ReadPlayer(ScrambledReader& in, Rng& rng, Player& p) {
    in.ReadScrambledString(rng, p.name);
    for (int* field : {&p.isHuman, &p.seatOpen, &p.setupDone}) in.ReadScrambledInt(rng, *field);
    in.ReadScrambledString(rng, p.password);
    for (int* field : {&p.energy, &p.score, &p.destroyer, &p.lifeState, &p.faction, &p.powerLevel, &p.colour})
        in.ReadScrambledInt(rng, *field);
    for (int& notice : p.destroyedNotice) in.ReadScrambledInt(rng, notice);
    in.ReadScrambledInt(rng, p.viewX);
    in.ReadScrambledInt(rng, p.viewY);
    return !in.failed();
}

bool ReadUnits(ScrambledReader& in, Rng& rng, GameState& s) {
    int count = 0;
    if (!in.ReadScrambledInt(rng, count)) return false;
    for (int i = 0; i < kMaxUnits; ++i) {
        Unit& u = s.units[i];
        if (i >= count) {
            u.state = kFree;
            continue;
        }
        u.state = kActive;
        u.explosionFrame = 0;
        for (int* field : {&u.type, &u.owner, &u.x, &u.y, &u.health}) in.ReadScrambledInt(rng, *field);
    }
    return !in.failed();
}

bool ReadKey(ScrambledReader& in, int& key) {
    unsigned char digits = 0;
    std::string text;
    if (!in.ReadPlainByte(digits) || digits < 1 || digits > 4 || !in.ReadPlain(digits, text)) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    key = DecimalToInt(text);
    return true;
}

}  // namespace

void LogFileOpenFailure(const char* operation, const std::string& path) {
    AppendLog(std::string("*ERROR* : ") + operation + "()");
    AppendLog("fopen(\"" + path + "\") == NULL");
}

std::string SaveFileNameFor(const GameState& state) {
    const char* prefix = "";
    switch (state.gameType) {
        case kSinglePlayer: prefix = "SOLO-"; break;
        case kHotSeat: prefix = "HOTS-"; break;
        case kPlayByMail: prefix = "PBEM-"; break;
        default: break;
    }
    return prefix + state.gameName + ".KV1";
}

void MakeSaveFileName(Game& game) { game.saveFileName = SaveFileNameFor(game.state); }

std::string SaveGamePath(const Game& game, std::string_view fileName) {
    return game.saveFolder + "\\" + std::string(fileName);
}
std::string SaveGamePath(const Game& game) { return SaveGamePath(game, game.saveFileName); }

bool FileExists(std::string_view path) { return GameFileExists(path); }

std::string EncodeSavedGame(const GameState& state, int mapSeed, int mapSize, int key, Rng& rng) {
    rng.Seed(static_cast<uint32_t>(key));
    const std::string keyText = std::to_string(key);
    std::string out;
    out.push_back(static_cast<char>(keyText.size()));
    out += keyText;
    WriteOptions(out, rng, state, mapSeed, mapSize);
    for (const Player& p : state.players) WritePlayer(out, rng, p);
    int count = 0;
    for (const Unit& u : state.units) count += u.state == kActive;
    WriteScrambledInt(out, rng, count);
    for (const Unit& u : state.units) {
        if (u.state != kActive) continue;
        for (int value : {u.type, u.owner, u.x, u.y, u.health}) WriteScrambledInt(out, rng, value);
    }
    return out;
}

int DrawSaveKey(Rng& rng, uint32_t tickCount) {
    rng.Seed(tickCount);
    return rng.Below(9999);
}

bool DecodeSavedGame(std::string_view bytes, LoadedGame& game, std::string& problem) {
    ScrambledReader in(bytes);
    if (!ReadKey(in, game.key)) {
        problem = "the scrambling key is damaged";
        return false;
    }
    game.rng.Seed(static_cast<uint32_t>(game.key));
    bool complete = ReadOptions(in, game.rng, game);
    for (Player& p : game.state.players) complete = complete && ReadPlayer(in, game.rng, p);
    complete = complete && ReadUnits(in, game.rng, game.state);
    if (!complete) {
        problem = "the file ends early or a field is damaged at byte " + std::to_string(in.position());
        return false;
    }
    return CheckLoadedGame(game.state, game.mapSize, problem);
}

std::string SavedGameBytes(const Game& game, Rng& rng) {
    const int key = game.hooks.fixedSaveKey >= 0 ? game.hooks.fixedSaveKey % 9999
                                                 : DrawSaveKey(rng, game.TickCount());
    return EncodeSavedGame(game.state, game.map.mapSeed, game.map.mapSize, key, rng);
}

bool ApplySavedGame(std::string_view bytes, Game& game, std::string& problem) {
    LoadedGame loaded;
    loaded.state = game.state;
    if (!DecodeSavedGame(bytes, loaded, problem)) return false;
    game.state = std::move(loaded.state);
    game.map.mapSeed = loaded.mapSeed;
    game.map.mapSize = loaded.mapSize;
    game.rng = loaded.rng;
    return true;
}

bool SaveGameToFile(Game& game) {
    const std::string path = SaveGamePath(game);
    Rng rng = game.rng;
    const std::string bytes = SavedGameBytes(game, rng);
    if (!ReplaceGameFile(path, bytes)) {
        LogFileOpenFailure("SaveGameToFile", path);
        return false;
    }
    game.rng = rng;
    return true;
}

bool LoadGameFromFile(Game& game) {
    const std::string path = SaveGamePath(game);
    std::string bytes;
    if (!ReadGameFile(path, bytes)) {
        LogFileOpenFailure("LoadGameFromFile", path);
        return false;
    }
    std::string problem;
    if (!ApplySavedGame(bytes, game, problem)) {
        AppendLog("*ERROR* : LoadGameFromFile() \"" + path + "\" is damaged: " + problem);
        return false;
    }
    return true;
}
