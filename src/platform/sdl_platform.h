#pragma once
// The real platform, on SDL2 and SDL2_mixer.
#include <memory>

#include "platform/platform.h"

// Starts SDL's video and event handling (and sound, when a device exists).
// Returns nullptr when there is no video driver at all; the reason is in
// SDL_GetError(). Keep the platform alive while the game runs.
std::unique_ptr<Platform> CreateSdlPlatform();
