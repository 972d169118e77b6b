#include "handover/turn_memory.h"

#include "platform/files.h"
#include "save/saved_game.h"
#include "platform/run_log.h"

namespace {

// The memory is private and read only by this program, so a fixed
// scrambling key will do; the game's own generator is never drawn from.
constexpr int kMemoryKey = 0;

std::string Stem(const std::string& fileName) {
    const size_t dot = fileName.rfind('.');
    return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

bool Usable(const LoadedGame& memory, const Game& game) {
    const GameState& now = game.state;
    return IsSameGame(memory.state, memory.mapSeed, now, game.map.mapSeed) && memory.mapSize == game.map.mapSize &&
           memory.state.currentPlayer == now.currentPlayer && memory.state.turn < now.turn;
}

}  // namespace

std::string TurnMemoryPath(const Game& game, int seat) {
    return std::string(kTurnMemoryFolder) + "\\" + Stem(game.saveFileName) + " SEAT " + std::to_string(seat + 1) +
           ".KV1";
}

bool KeepTurnMemory(const Game& game) {
    const Player& seat = game.state.players[game.state.currentPlayer];
    if (seat.isHuman == 0 || seat.lifeState != kAlive || game.map.mapSeed == -1) return true;
    Rng scrambler;
    const std::string bytes = EncodeSavedGame(game.state, game.map.mapSeed, game.map.mapSize, kMemoryKey, scrambler);
    const std::string path = TurnMemoryPath(game, game.state.currentPlayer);
    if (CreateGameFolder(kTurnMemoryFolder) && ReplaceGameFile(path, bytes)) return true;
    AppendLog("KeepTurnMemory(): \"" + path + "\" could not be written");
    return false;
}

std::optional<TurnChanges> ChangesSinceLastTurn(const Game& game) {
    const int seat = game.state.currentPlayer;
    std::string bytes, problem;
    LoadedGame memory;
    if (!ReadGameFile(TurnMemoryPath(game, seat), bytes)) return std::nullopt;
    if (!DecodeSavedGame(bytes, memory, problem) || !Usable(memory, game)) return std::nullopt;
    return CompareTurns(memory.state, game.state, game.map.mapSize, seat, game.fogOfWar == 1);
}
