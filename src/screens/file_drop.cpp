#include "screens/file_drop.h"

#include <filesystem>

#include "platform/files.h"
#include "platform/input.h"
#include "platform/run_log.h"
#include "save/saved_game.h"
#include "screens/hand_over.h"
#include "screens/load_game_files.h"
#include "shell/screen_loop.h"
#include "shell/shell.h"
#include "ui/popup.h"
#include "ui/popup_entry.h"

namespace {

// The largest saved game is a few kilobytes; anything far beyond that is not one.
constexpr std::uintmax_t kLargestSavedGame = 1 << 20;

bool ReadDroppedFile(const std::string& path, std::string& bytes, std::string& problem) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || !std::filesystem::is_regular_file(path, error)) {
        problem = "it is not a file that can be read";
        return false;
    }
    if (size > kLargestSavedGame) {
        problem = "it is far too large for a saved game";
        return false;
    }
    if (!ReadGameFile(path, bytes)) {
        problem = "it cannot be read";
        return false;
    }
    return true;
}

DropOutcome Refuse(const std::string& path, const std::string& problem,
                   const std::string& notice = "NOT A SAVED GAME") {
    AppendLog("Dropped file \"" + path + "\" refused: " + problem);
    const int shown = ShowNotice(notice, GameLabel(DroppedGameName(path)), "NOTHING WAS COPIED");
    return shown == kFatal ? DropOutcome::kFatal : DropOutcome::kRefused;
}

// A name the set-up box could have typed: nothing that leads out of "Saved
// Games" or that a file name cannot hold.
bool IsGameName(const std::string& name) {
    if (name.empty()) return false;
    for (const char c : name) {
        if (!IsEntryChar(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

// kConfirmed to go ahead, kCancelled to keep the old game, kFatal.
int AskOverwrite(const std::string& name) {
    popupBox.prompt = "OVERWRITE OLD GAME?";
    popupBox.text = GameLabel(name);
    popupBox.hint.clear();
    popupBox.inputShown = 0;
    const int answer = popupBox.RunPopup();
    return answer == kConfirmed || answer == kFatal ? answer : kCancelled;
}

}  // namespace

std::string DroppedGameName(const std::string& path) {
    const std::filesystem::path file(path);
    return UpperCaseName(file.stem().string()) + ".KV1";
}

DropOutcome TakeDroppedGame(const std::string& path) {
    std::string bytes;
    std::string problem;
    if (!ReadDroppedFile(path, bytes, problem)) return Refuse(path, problem);
    LoadedGame decoded;
    if (!DecodeSavedGame(bytes, decoded, problem)) return Refuse(path, "damaged: " + problem);
    if (!IsGameName(decoded.state.gameName)) return Refuse(path, "damaged: the game's name cannot be a file name");
    const std::string name = SaveFileNameFor(decoded.state);
    const std::string target = SaveGamePath(theGame, name);
    if (GameFileExists(target)) {
        const int answer = AskOverwrite(name);
        if (answer == kFatal) return DropOutcome::kFatal;
        if (answer != kConfirmed) return DropOutcome::kKeptOld;
    }
    CreateGameFolder(theGame.saveFolder);
    if (!ReplaceGameFile(target, bytes))
        return Refuse(path, "\"" + target + "\" could not be written", "THE GAME COULD NOT BE SAVED");
    AppendLog("Dropped file \"" + path + "\" copied to \"" + target + "\"");
    return DropOutcome::kCopied;
}

void ForgetEarlierDrops() { input.droppedFile.clear(); }

DropOutcome TakeDroppedFile() {
    if (input.droppedFile.empty()) return DropOutcome::kNothing;
    const std::string path = input.droppedFile;
    input.droppedFile.clear();
    return TakeDroppedGame(path);
}
