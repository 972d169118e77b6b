#pragma once
// The human player's selection and orders: clicks on the map, the unit
// commands of the panel, and the searches for the next unit to use.
#include "game/state.h"

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;

// The sound of every refusal.
inline constexpr const char* kBuzzerSound = "Sounds\\Buzzer.wav";

// The unit types of the panel's five type buttons, in order.
inline constexpr std::array<int, 5> kPanelTypes = {kStandard, kBase, kAir, kTank, kArtillery};

// Rebuilds the markers and the offered commands of the selection.
void RefreshSelection(Game& game);
// A click on tile (x, y): left selects, right attacks, buys or moves.
void MapClick(Game& game, int button, int x, int y);
// The selected base buys a STANDARD unit on (x, y); false when refused.
bool BuyUnit(Game& game, int x, int y);
// Works out which unit commands the panel offers (game.panel).
void OfferedCommands(Game& game);
// The selected unit takes a new type, using up its action.
void ChangeType(Game& game, int newType);
// Repairs the selected unit as far as energy allows, using up its action.
void Repair(Game& game);
// Buys the current player the next power level, then sets the power button.
void RaisePower(Game& game);
// Shows or hides the power button and sets its label for the current player.
void SetPowerButton(Game& game);
// Select the next unit of the current player that can still move, or
// attack; false (with "ALL UNITS CHECKED") when there is none.
bool NextMovableUnit(Game& game);
bool NextAttackingUnit(Game& game);
