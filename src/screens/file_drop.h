#pragma once
// Saved games dropped onto the window. A player of a game by mail gets the
// file from somewhere outside the game; dropping it on the main menu or the
// load game screen puts it into "Saved Games", where both find it.
#include <string>

enum class DropOutcome {
    kNothing,   // no file was dropped
    kCopied,    // the file is in "Saved Games" now
    kRefused,   // not a readable saved game, or the copy could not be written
    kKeptOld,   // a game of that name exists and the player kept it
    kFatal,     // a box could not be shown: the display is gone
};

// The name the dropped file gets in "Saved Games": its own name upper-cased,
// with the extension ".KV1" whatever it had.
std::string DroppedGameName(const std::string& path);

// Copies the saved game at `path` (a path of this system) into "Saved
// Games". A damaged file is refused with a notice and nothing is copied; an
// existing game of the same name is replaced only after the OVERWRITE
// question. Reasons for refusals go to the run log.
DropOutcome TakeDroppedGame(const std::string& path);

// A file dropped while another screen showed is not taken later by surprise:
// the screens that take files forget such drops as they open.
void ForgetEarlierDrops();

// Takes the file dropped since the last frame, if any.
DropOutcome TakeDroppedFile();
