#pragma once
// The one command switch behind every button of the game. A screen hands it
// the id of the button that took the click; the answer tells the screen to
// stay (10), that a question was cancelled (11) or confirmed (12), to quit
// (13), that something failed for good (14), or which screen comes next
// (100 + its id).
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
int ApplySetupCommand(int id);  // ids 4 to 35
int ApplyTurnCommand(int id);   // ids 43 to 53

// Writes the settings file; when it cannot be written the player is told
// (the settings hold for this run). 14 when the notice could not be shown.
int SaveSettingsOrTell();

// A number typed into the pop-up box, read and kept within its bounds.
int ClampedNumber(const std::string& text, int lowest, int highest);
