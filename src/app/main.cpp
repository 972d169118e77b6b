// Korvessa: the program. It runs in its data folder, where Images, Terrain,
// Sounds, "Saved Games", Korvessa.ini and Run.log live.
#include "app/play.h"
#include "platform/sdl_platform.h"

int main(int, char**) { return PlayOn(CreateSdlPlatform()); }
