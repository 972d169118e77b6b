#pragma once
// The turn cycle: which seat plays next and where it goes, the notices of
// eliminations, and the end of the game.
#include <string>
#include <vector>

#include "game/state.h"

// The three lines telling a player who destroyed whom.
struct DestroyedNotice {
    int loser = 0;
    std::string destroyerName;
    std::string text = "HAS DESTROYED";
    std::string loserName;
};
DestroyedNotice MakeDestroyedNotice(const Game& game, int loser);

// Stores the view and moves on to the next seat (and turn); no saving.
void AdvanceSeat(Game& game);

// Where a seat's turn leads next, as the rules see it; the screens map each
// to the screen that plays it.
enum class SeatNext {
    kGameOver,
    kEndOfTurn,  // nothing to play: the turn ends at once
    kSetUp,
    kComputerTurn,
    kHumanTurn,
};

// Where the current seat goes, on the game as it is in memory: game over,
// end of turn (passed over), set-up, computer turn, or the human turn for a
// human seat, which must then pass the identity check and TakeHumanSeat.
SeatNext SeatDestination(const Game& game);
// Whether a human seat must confirm it is at the machine (not in single player).
bool NeedsIdentityCheck(const Game& game);
// After the identity check: a DYING seat is told of its end (notice filled
// in), becomes DEAD and goes to the end of its turn; otherwise its turn is played.
SeatNext TakeHumanSeat(Game& game, DestroyedNotice* notice);

// The start of a human playing turn (after the world exists): clears the
// markers and selection, readies every unit, sets the cap, reseeds from the
// tick count, pays the income, restores the view, the status line, the
// search cursor and the panel.
void BeginHumanTurn(Game& game);
// The start of a computer playing turn: the cap and the income.
void BeginComputerTurn(Game& game);

// The eliminations the current human player has still to be told of, in seat
// order; their flags are cleared, so the caller must show them all. (The
// screens' ShowPendingNotices() of the same name is what shows them.) A
// computer seat gets none and keeps its flags.
std::vector<DestroyedNotice> ShowPendingNotices(Game& game);

// True when the game has ended (conquest, score or turn, with the tie rule).
bool IsGameOver(const Game& game);
// The winning seat: the best score among seats still owning a base.
int Winner(const Game& game);
