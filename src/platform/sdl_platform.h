#pragma once
// The real platform, on SDL2 and SDL2_mixer.
#include <memory>
#include <string>

#include "platform/platform.h"

// Starts SDL's video and event handling (and sound, when a device exists).
// Returns nullptr when there is no display to show a window on: no video
// driver starts, or only SDL's invisible ones ("offscreen", "dummy") would,
// which are used only when SDL_VIDEODRIVER names them. Keep the platform
// alive while the game runs.
std::unique_ptr<Platform> CreateSdlPlatform();

// Why the last CreateSdlPlatform returned nothing, in words for the player.
std::string SdlStartProblem();
