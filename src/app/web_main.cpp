// Korvessa in a web browser. The page (web/) has made the data folder the
// working folder, with the pictures and sounds in it and the player's own
// files loaded from the browser's storage, before this starts.
#include <emscripten.h>

#include "app/play.h"
#include "platform/web_platform.h"

EM_JS(void, kv_game_starting, (), { Module.kvGameStarting(); });
EM_JS(void, kv_game_ended, (int code), { Module.kvGameEnded(code); });

int main(int, char**) {
    kv_game_starting();
    const int result = PlayOn(CreateWebPlatform());
    kv_game_ended(result);
    return result;
}
