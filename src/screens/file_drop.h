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

// The dropped file's own name upper-cased, with the extension ".KV1"
// whatever it had: how a refused file is named to the player.
std::string DroppedGameName(const std::string& path);

// Copies the saved game at `path` (a path of this system) into "Saved
// Games", under the name the game itself saves it to (from its game type and
// name), whatever the file was called on the way: a mail attachment saved
// as "PBEM-MAIL1 (1).KV1" becomes "PBEM-MAIL1.KV1" again. A damaged file, or
// one whose game name is no name the game could have given, is refused with a
// notice and nothing is copied; an existing game of the same name is replaced
// only after the OVERWRITE question. Reasons for refusals go to the run log.
DropOutcome TakeDroppedGame(const std::string& path);

// A file dropped while another screen showed is not taken later by surprise:
// the screens that take files forget such drops as they open.
void ForgetEarlierDrops();

// Takes the file dropped since the last frame, if any.
DropOutcome TakeDroppedFile();
