#include "handover/turn_file.h"

#include "platform/files.h"
#include "save/saved_game.h"

TurnFile TurnFile::InMemory() {
    TurnFile file("(memory)");
    file.memory_ = std::make_shared<std::string>();
    return file;
}

TurnFile TurnFile::GamesOwn() {
    TurnFile file("(the game's file)");
    file.gamesOwn_ = true;
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
    if (gamesOwn_) {
        if (LoadGameFromFile(game)) return true;
        problem = "cannot read " + SaveGamePath(game) + " (the run log says why)";
        return false;
    }
    std::string bytes;
    if (!ReadBytes(bytes)) {
        problem = "cannot read " + path_;
        return false;
    }
    if (!ApplySavedGame(bytes, game, problem)) {
        problem = path_ + ": " + problem;
        return false;
    }
    return true;
}

bool TurnFile::Save(Game& game, std::string& problem) const {
    if (gamesOwn_) {
        if (SaveGameToFile(game)) return true;
        problem = "cannot write " + SaveGamePath(game) + " (the run log says why)";
        return false;
    }
    Rng rng = game.rng;
    if (!WriteBytes(SavedGameBytes(game, rng))) {
        problem = "cannot write " + path_;
        return false;
    }
    game.rng = rng;
    return true;
}
