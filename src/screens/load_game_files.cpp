#include "screens/load_game_files.h"

#include <algorithm>

#include "platform/files.h"
#include "save/saved_game.h"
#include "shell/shell.h"

std::string UpperCaseName(std::string name) {
    for (char& c : name) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return name;
}

std::vector<std::string> ListSavedGames() {
    std::vector<std::string> names = FindGameFiles(SaveGamePath(theGame, "*.KV1"));
    for (std::string& name : names) name = UpperCaseName(name);
    // Sorted as shown, so that a name stored in lower case takes its place.
    std::sort(names.begin(), names.end());
    return names;
}

int CountSavedGames() { return static_cast<int>(FindGameFiles(SaveGamePath(theGame, "*.KV1")).size()); }

std::string GameLabel(const std::string& fileName) {
    if (fileName.size() <= 4) return fileName;
    return fileName.substr(0, fileName.size() - 4);
}
