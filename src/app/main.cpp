// Korvessa: the program. It runs in its data folder, where Images, Terrain,
// Sounds, "Saved Games", Korvessa.ini and Run.log live.
#include <cstdio>

#include "platform/sdl_platform.h"
#include "screens/screens.h"
#include "shell/shell.h"

int main(int, char**) {
    std::unique_ptr<Platform> platform = CreateSdlPlatform();
    if (!platform) {
        std::fprintf(stderr, "korvessa: there is no display to open the game's window on\n");
        return 1;
    }
    SetPlatform(platform.get());
    const int result = RunGame(GameScreens());
    SetPlatform(nullptr);
    return result;
}
