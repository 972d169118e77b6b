#include "shell/game_folders.h"

#include <system_error>

#include "platform/files.h"

namespace fs = std::filesystem;

namespace {

// What the build generates and the game reads; nothing else of a data
// folder (a program beside it, say) is copied.
constexpr const char* kDataEntries[] = {"Images", "Terrain", "Sounds", "KV-MANUAL.HTML"};

bool SameFolder(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

std::string Quoted(const fs::path& path) { return "\"" + path.string() + "\""; }

}  // namespace

std::string StartUsage() {
    return "Usage: korvessa [--data DIR]\n\n"
           "Starts the game. Saved games, settings and Run.log are kept in the player's data\n"
           "folder, $XDG_DATA_HOME/korvessa (by default ~/.local/share/korvessa), where the\n"
           "game's pictures, sounds and manual are refreshed from the program's data at\n"
           "every start.\n\n"
           "  --data DIR   keep them in DIR instead (a portable game folder); DIR may also\n"
           "               hold the pictures and sounds themselves\n"
           "  --help       show this text\n";
}

bool ParseStartOptions(const std::vector<std::string>& args, StartOptions& options, std::string& problem) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.showHelp = true;
        } else if (arg == "--data" && i + 1 < args.size() && !args[i + 1].empty()) {
            options.dataFolder = args[++i];
        } else if (arg.rfind("--data=", 0) == 0 && arg.size() > 7) {
            options.dataFolder = arg.substr(7);
        } else {
            problem = arg == "--data" || arg == "--data=" ? "--data needs a folder" : "unknown argument '" + arg + "'";
            return false;
        }
    }
    return true;
}

fs::path UserDataFolder(const char* xdgDataHome, const char* home) {
    // Relative values are to be ignored, as the desktop's folder rules say.
    if (xdgDataHome && fs::path(xdgDataHome).is_absolute()) return fs::path(xdgDataHome) / "korvessa";
    if (home && *home) return fs::path(home) / ".local" / "share" / "korvessa";
    return {};
}

bool HoldsGameData(const fs::path& folder) {
    return !folder.empty() && GameFileExists((folder / "Images" / "Sprites.bmp").string());
}

std::vector<fs::path> DataCandidates(const fs::path& programFolder, const fs::path& installedData) {
    std::vector<fs::path> candidates = {programFolder / "data", programFolder,
                                        programFolder.parent_path() / "share" / "korvessa"};
    if (!installedData.empty()) candidates.push_back(installedData);
    return candidates;
}

bool FindGameFolders(const StartOptions& options, const std::vector<fs::path>& candidates,
                     const fs::path& userFolder, GameFolders& folders, std::string& problem) {
    std::error_code ec;
    folders.work = options.dataFolder.empty() ? userFolder : fs::absolute(options.dataFolder, ec);
    if (folders.work.empty()) {
        problem = "there is no folder for saved games: HOME is not set; start with --data DIR";
        return false;
    }
    for (const fs::path& candidate : candidates) {
        if (HoldsGameData(candidate)) {
            folders.data = fs::absolute(candidate, ec);
            return true;
        }
    }
    if (HoldsGameData(folders.work)) {
        folders.data = folders.work;
        return true;
    }
    problem = "the game's pictures and sounds are missing (Images/Sprites.bmp was looked for in";
    for (const fs::path& candidate : candidates) problem += " " + Quoted(candidate);
    problem += " and " + Quoted(folders.work) + "); build the game first, for example with ./korvessa play";
    return false;
}

bool PrepareWorkFolder(const GameFolders& folders, std::string& problem) {
    std::error_code ec;
    fs::create_directories(folders.work, ec);
    if (!fs::is_directory(folders.work, ec)) {
        problem = "cannot create the data folder " + Quoted(folders.work);
        return false;
    }
    if (SameFolder(folders.data, folders.work)) return true;
    for (const char* entry : kDataEntries) {
        const fs::path from = folders.data / entry;
        if (!fs::exists(from, ec)) continue;
        fs::copy(from, folders.work / entry,
                 fs::copy_options::recursive | fs::copy_options::update_existing, ec);
        if (ec) {
            problem = "cannot copy the game's data into " + Quoted(folders.work) + ": " + ec.message();
            return false;
        }
    }
    return true;
}
