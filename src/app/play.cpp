#include "app/play.h"

#include <cstdio>

#include "screens/screens.h"
#include "shell/shell.h"

int PlayOn(std::unique_ptr<Platform> platform) {
    if (!platform) {
        std::fprintf(stderr, "korvessa: there is no display to open the game's window on\n");
        return 1;
    }
    SetPlatform(platform.get());
    const int result = RunGame(GameScreens());
    SetPlatform(nullptr);
    return result;
}
