#pragma once
// Where the program finds its pictures and sounds and where it keeps the
// player's files, so that it runs the same from any working folder. The game
// itself opens every file relative to its working folder (the "work" folder
// below); the start-up refreshes the generated data there and moves into it.
#include <filesystem>
#include <string>
#include <vector>

// What the command line asks for.
struct StartOptions {
    std::filesystem::path dataFolder;  // --data DIR: keep games, settings and Run.log there
    bool showHelp = false;
};

// The text of `korvessa --help`.
std::string StartUsage();

// Reads the arguments after the program's name; false with a reason for
// anything it does not know.
bool ParseStartOptions(const std::vector<std::string>& args, StartOptions& options, std::string& problem);

// The per-user folder: $XDG_DATA_HOME/korvessa when that is an absolute
// path, else $HOME/.local/share/korvessa; empty when neither is known.
std::filesystem::path UserDataFolder(const char* xdgDataHome, const char* home);

// True when the folder holds the game's generated data.
bool HoldsGameData(const std::filesystem::path& folder);

// The places the generated data may be, in the order they are tried: beside
// the program (a build folder's data/, or the program's own folder), the
// install's share folder next to the program's, then the configured system
// data folder (may be empty).
std::vector<std::filesystem::path> DataCandidates(const std::filesystem::path& programFolder, const std::filesystem::path& installedData);

struct GameFolders {
    std::filesystem::path data;  // the generated pictures, sounds and the manual
    std::filesystem::path work;  // saved games, settings, Run.log; the working folder
};

// Picks both folders. The work folder is --data's, else the per-user one;
// the data comes from the first candidate that holds it, else from the work
// folder itself (a portable folder). False with a message for the player.
bool FindGameFolders(const StartOptions& options, const std::vector<std::filesystem::path>& candidates,
                     const std::filesystem::path& userFolder, GameFolders& folders, std::string& problem);

// Creates the work folder and copies into it the data that is newer than
// what it holds (a player's own extra terrain pictures stay). False with a
// message for the player.
bool PrepareWorkFolder(const GameFolders& folders, std::string& problem);
