#pragma once
// One attack of one unit on another, with the faction specials, destruction,
// elimination, awards, the status line and the sounds.
#include "game/state.h"

// Chances in percent of the faction specials of STANDARD attackers.
constexpr int kStingerChance = 40;
constexpr int kDirectHitChance = 25;
constexpr int kFreeAttackChance = 30;
constexpr int kFirebombChance = 35;

// Energy and score paid to the current player.
constexpr int kAttackAward = 10;
constexpr int kKillAward = 50;
constexpr int kBaseKillAward = 250;
constexpr int kBlastKillAward = 50;
constexpr int kEliminationAward = 1250;

// Resolves an attack; range and eligibility are the caller's business. The
// current player is paid; the attacker's owner sets damage and special.
void Attack(Game& game, int attacker, int target);

// Takes a unit off the board: left exploding when the current player is
// human (the attack is shown), freed at once otherwise.
void DestroyUnit(Game& game, int slot);

// Eliminates every open, ALIVE seat without a base, on behalf of the current
// player. Returns how many seats went; plays the sound when shown.
int EliminateBaselessPlayers(Game& game);
