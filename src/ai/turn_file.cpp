#include "ai/turn_file.h"

#include "platform/files.h"
#include "save/saved_game.h"

TurnFile TurnFile::InMemory() {
    TurnFile file("(memory)");
    file.memory_ = std::make_shared<std::string>();
    return file;
}

const std::string& TurnFile::Bytes() const {
    static const std::string kNone;
    return memory_ ? *memory_ : kNone;
}

bool TurnFile::ReadBytes(std::string& bytes) const {
    if (!memory_) return ReadGameFile(path_, bytes);
    bytes = *memory_;
    return !bytes.empty();
}

bool TurnFile::WriteBytes(const std::string& bytes) const {
    if (!memory_) return ReplaceGameFile(path_, bytes);
    *memory_ = bytes;
    return true;
}

bool TurnFile::Load(Game& game, std::string& problem) const {
    std::string bytes;
    if (!ReadBytes(bytes)) {
        problem = "cannot read " + path_;
        return false;
    }
    LoadedGame loaded;
    loaded.state = game.state;  // the slots keep their action flags
    if (!DecodeSavedGame(bytes, loaded, problem)) {
        problem = path_ + ": " + problem;
        return false;
    }
    game.state = std::move(loaded.state);
    game.map.mapSeed = loaded.mapSeed;
    game.map.mapSize = loaded.mapSize;
    game.rng = loaded.rng;
    return true;
}

bool TurnFile::Save(Game& game, std::string& problem) const {
    Rng rng = game.rng;
    const int fixedKey = game.hooks.fixedSaveKey;
    const int key = fixedKey >= 0 ? fixedKey % 9999 : DrawSaveKey(rng, game.TickCount());
    const std::string bytes = EncodeSavedGame(game.state, game.map.mapSeed, game.map.mapSize, key, rng);
    if (!WriteBytes(bytes)) {
        problem = "cannot write " + path_;
        return false;
    }
    game.rng = rng;
    return true;
}
