#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>

namespace {
Platform* current = nullptr;
}

void SetPlatform(Platform* platform) { current = platform; }

Platform& GetPlatform() {
    if (!current) {
        // A programming error: nothing can be shown or heard without one.
        std::fprintf(stderr, "GetPlatform() called before SetPlatform()\n");
        std::abort();
    }
    return *current;
}

