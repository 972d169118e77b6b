#pragma once
// The saved-game file: the only hand-over between turns and what players
// exchange in a game by mail. The layout is fixed field by field; a file from
// any other copy of the game must read here and the other way round.
#include <string>
#include <string_view>

#include "game/state.h"

// "SOLO-", "HOTS-" or "PBEM-" by game type, then the game's name, then ".KV1".
std::string SaveFileNameFor(const GameState& state);
void MakeSaveFileName(Game& game);

// The game-style path of a file (or pattern) in the game's folder of saved
// games, "Saved Games\\" + name; without a name, the current game's file.
std::string SaveGamePath(const Game& game, std::string_view fileName);
std::string SaveGamePath(const Game& game);

// True when a file or folder of that game-style name exists.
bool FileExists(std::string_view path);

// Writes the current game, replacing the old file only once the new one is
// complete. False (with the reason in the run log) leaves the old file and
// the game, random generator included, as they were.
bool SaveGameToFile(Game& game);

// Reads the current game's file. A file that cannot be opened, or that is
// truncated, damaged or foreign, is a failed load (reason in the run log) and
// leaves the game in memory exactly as it was.
bool LoadGameFromFile(Game& game);

// The run log's two lines for a saved game that cannot be opened: the
// operation ("SaveGameToFile") and the fixed fopen("path") == NULL line.
void LogFileOpenFailure(const char* operation, const std::string& path);

// The same on bytes in memory, for tools and tests.
struct LoadedGame {
    GameState state;  // start from the slots to keep: action flags survive a load
    int mapSeed = 0;
    int mapSize = 0;
    int key = 0;
    Rng rng;          // as the last field left it
};
bool DecodeSavedGame(std::string_view bytes, LoadedGame& game, std::string& problem);

// Encodes with the given key (0..9998); rng is seeded with the key and left
// after the last field.
std::string EncodeSavedGame(const GameState& state, int mapSeed, int mapSize, int key, Rng& rng);

// The key the game draws for a save: seed with the tick count, one draw.
int DrawSaveKey(Rng& rng, uint32_t tickCount);

// The bytes of a save of the current game, keyed as the game keys it (the
// fixed key of the hooks when set, else drawn from the tick count); `rng`
// starts as a copy of the game's and is left after the last field.
std::string SavedGameBytes(const Game& game, Rng& rng);

// Takes a saved game's bytes into the current game as a load does (slots keep
// their action flags); on failure the game is unchanged and `problem` says why.
bool ApplySavedGame(std::string_view bytes, Game& game, std::string& problem);
