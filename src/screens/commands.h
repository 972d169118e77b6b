#pragma once
// The one command switch behind every button of the game. A screen hands it
// the id of the button that took the click; the answer is a screen result:
// kStay, kCancelled or kConfirmed for a question, kQuit, kFatal when
// something failed for good, or GoTo(the next screen).
#include <string>
#include <vector>

int ApplyButtonCommand(int id);

// The terrain pictures the set-up screen offers: entry 0 is "RANDOM", then
// every "Terrain\*.bmp" file, upper-cased, extension included.
extern std::vector<std::string> TerrainList;
// The chosen entry of TerrainList; 0 is "RANDOM".
extern int terrainChoice;

// Rebuilds TerrainList; false when no terrain picture exists (the list then
// holds only "RANDOM").
bool BuildTerrainList();

// The groups of the switch, one file each.
int ApplySetupCommand(int id);  // kFirstSetupButton to kLastSetupButton
int ApplyTurnCommand(int id);   // kFirstTurnButton to kLastTurnButton

// Writes the settings file; when it cannot be written the player is told
// (the settings hold for this run). kFatal when the notice could not be shown.
int SaveSettingsOrTell();

// A number typed into the pop-up box, read and kept within its bounds.
int ClampedNumber(const std::string& text, int lowest, int highest);
