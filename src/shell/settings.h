#pragma once
// The settings file "Korvessa.ini" in the working folder: the last game's
// file name, the map's scroll delay and the colour depth tried first. Loaded
// once over the defaults at start, written at the end of a run and whenever
// a game is launched or the scroll delay changes.
#include <string>
#include <string_view>

struct Settings {
    std::string lastGame;   // file name inside "Saved Games", upper case
    int scrollDelay = 15;   // least milliseconds between two scroll steps
    int colourDepth = 32;   // bits per pixel of the display mode tried first
};

extern Settings settings;

constexpr const char* kSettingsFileName = "Korvessa.ini";
constexpr const char* kSettingsEndMarker = "--- EOF MARKER : DO NOT REMOVE ---";

// The built-in values: empty, 15, 32.
void SetDefaultSettings(Settings& values);
// Reads the file over the values; a missing file leaves them, silently, and
// so does a missing line for its own setting.
void LoadINI(Settings& values);
// lastGame becomes the upper-cased saveFileName, then the four lines are
// written. False (and logged) when the file cannot be created or written.
bool SaveINI(Settings& values, const std::string& saveFileName);

// The decimal reading of the settings file and of typed numbers: leading
// blanks skipped, an optional sign, the leading digits; no digits gives 0.
// Values beyond the int range stop at its ends instead of overflowing.
int ParseDecimal(std::string_view text);
