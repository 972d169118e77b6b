#pragma once
// The turn cycle without any screen: what the hand-over, the set-up of a
// computer seat, the computer turn, the start of a human turn and the end of
// a turn do to the game. `kvtool advance`, self-play and the soak tests play
// whole games with it; the screens share its computer turn.
#include <optional>
#include <string>

#include "ai/world_cache.h"
#include "game/state.h"
#include "handover/turn_file.h"

// The computer turn after its drawing steps: the world regrown from its seed
// (which also seeds the random generator, never reseeded afterwards), the
// unit cap, the seat's income, then the computer player's whole turn. With a
// cache the world is copied from it when it was grown before.
void PlayComputerTurn(Game& game, WorldCache* worlds = nullptr);

// The set-up turn of a computer seat: it is named after its colour.
void SetUpComputerSeat(Game& game);

// The start of a human turn as far as the rules go: a new world when none
// exists yet (seeded with worldSeed, its starting units placed and the game
// saved to `file`), the world regrown with its scroll limits, and the
// readying of units, cap, reseeding, income and view of BeginHumanTurn.
enum class HumanTurnStart { kStarted, kNoWorldSeed, kWorldNotSaved };
HumanTurnStart StartHumanTurn(Game& game, const TurnFile& file, std::optional<int> worldSeed,
                              std::string& problem, WorldCache* worlds = nullptr);

// What one seat step of the cycle came to.
enum class SeatStep {
    kPassedOver,      // closed or DEAD seat
    kSetUp,           // a computer seat's set-up turn
    kComputerTurn,
    kDyingSeatTold,   // a DYING human seat took its notice and is DEAD
    kIdleHumanTurn,   // a human seat started its turn and ended it at once
    // The stops: the step ended without ending a turn.
    kGameOver,
    kHumanSetUpNeeded,
    kNoWorldSeed,
    kFileProblem,     // the file could not be read or written (see problem)
};
bool IsStop(SeatStep step);

struct SeatStepResult {
    SeatStep step = SeatStep::kPassedOver;
    int seat = 0;         // the seat the step was for
    int winner = -1;      // with kGameOver
    std::string problem;  // with kFileProblem
};

// One hand-over and what follows it, ending (unless it stops) with the end
// of the turn: the view stored, the seat and turn advanced, the game saved.
// A human seat plays no orders: its turn starts and ends at once.
SeatStepResult PlaySeatStep(Game& game, const TurnFile& file, std::optional<int> worldSeed,
                            WorldCache* worlds = nullptr);
