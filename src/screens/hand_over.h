#pragma once
// Passing the machine from one seat to the next: the box that names the
// player (or asks the password) before a human turn, and the notices that
// tell a player who destroyed whom.
#include <string>

#include "game/turns.h"

// The identity check of the current seat: nothing in a single-player game,
// the player's name and turn in a hot-seat or mail game, or the password
// asked until it is typed exactly. False when the player backs out.
bool CheckPassword();

// A box with three lines and only OK (Enter and Escape close it too); the
// box's own result, kFatal when the display could not be brought back.
int ShowNotice(const std::string& prompt, const std::string& text, const std::string& hint);

// "<destroyer> HAS DESTROYED <loser>".
void ShowDestroyedNotice(const DestroyedNotice& notice);
void ShowDestroyedNotice(int loser);

// Every elimination the current player has still to be told of, in seat
// order; each is shown once. The human turn calls it every frame.
void ShowPendingNotices();
