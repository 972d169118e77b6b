#include <emscripten.h>

#include "platform/web_parts.h"

// The page keeps the decoded sounds and one playing source: a new sound cuts
// off the one playing, as the game expects.
EM_JS(void, kv_play_sound, (const char* path), {
    Module.kvPlaySound(UTF8ToString(path));
});

void PlayWebSound(const std::string& path) { kv_play_sound(path.c_str()); }
