#pragma once
// The saved-game file a headless run of the turn cycle plays through, by its
// path on this system. Every turn passes through it as in the game: the end of
// a turn writes it and the hand-over reads it back.
#include <memory>
#include <string>

#include "game/state.h"

class TurnFile {
public:
    explicit TurnFile(std::string path) : path_(std::move(path)) {}

    // The same bytes kept in memory instead of on disk, for runs of many
    // turns whose intermediate files nobody reads (self-play, soak tests).
    static TurnFile InMemory();

    // The current game's own file in its folder of saved games, read and
    // written as the screens do: a failure leaves its lines in the run log.
    static TurnFile GamesOwn();

    // The bytes of an in-memory file (empty before the first save).
    const std::string& Bytes() const;

    // Reads the game as the hand-over does: the action flags of the unit slots
    // survive. On failure the game is unchanged and `problem` says why.
    bool Load(Game& game, std::string& problem) const;

    // Writes the game with the key of game.hooks.fixedSaveKey when it is set,
    // otherwise with a key drawn from the tick count as the game draws it; the
    // generator goes on from the last field. On failure nothing changes.
    bool Save(Game& game, std::string& problem) const;

private:
    bool ReadBytes(std::string& bytes) const;
    bool WriteBytes(const std::string& bytes) const;

    std::string path_;
    std::shared_ptr<std::string> memory_;  // set for an in-memory file
    bool gamesOwn_ = false;
};
