#pragma once
// The game from start to end on the platform the program brings: the same
// for the desktop window and the browser page.
#include <memory>

#include "platform/platform.h"

// Runs the game on `platform`; a missing platform (no display) is reported
// on stderr and gives 1.
int PlayOn(std::unique_ptr<Platform> platform);
