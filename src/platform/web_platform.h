#pragma once
// The platform in a web browser: the picture goes to the page's canvas, input
// comes from the page's events, sound from Web Audio and the data folder is
// kept in the browser's persistent storage. The page's script (web/) feeds it.
#include <memory>

#include "platform/platform.h"

std::unique_ptr<Platform> CreateWebPlatform();
