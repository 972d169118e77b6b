#pragma once
// Game file names the Windows way: "Saved Games\\HOTS-GAME-01.KV1". The
// backslash is the folder separator and every part of a name is looked up
// without regard to case, as the game's players expect of their files, so a
// file stored as hots-game-01.kv1 is found as HOTS-GAME-01.KV1. Relative
// names are taken from the working folder.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// The path on this system for a game file name: each existing folder and file
// found case-insensitively; parts that do not exist yet are kept as given.
std::string ResolveGamePath(std::string_view gameName);

// fopen on the resolved path. Text and binary modes are the same here.
FILE* OpenGameFile(std::string_view gameName, const char* mode);

// The names (not paths) of the files in a folder matching a pattern such as
// "Saved Games\\*.KV1"; '*' and '?' match without regard to case. Sorted by
// name so listings are stable.
std::vector<std::string> FindGameFiles(std::string_view pattern);

// True when the name matches at least one existing file or folder.
bool GameFileExists(std::string_view gameName);

// Creates a folder (one level); true when it exists afterwards.
bool CreateGameFolder(std::string_view gameName);

// Writes a whole file safely: the bytes go to a temporary file in the same
// folder, which then replaces the old file in one step. On any failure the
// old file is left as it was and false is returned.
bool ReplaceGameFile(std::string_view gameName, const std::string& bytes);

// Reads a whole file; false when it cannot be opened or read.
bool ReadGameFile(std::string_view gameName, std::string& bytes);
