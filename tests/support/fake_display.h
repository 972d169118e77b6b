#pragma once
// The one display the tests set up: the fake platform made current with its
// window, and the game's display of 1024 x 768 at 32 bits with three picture
// surfaces, not yet set up (a test may change it first).
#include "platform/fake_platform.h"
#include "ui/display.h"

inline Window* UseFakePlatform(FakePlatform& fake) {
    ResetDeviceTestSeam();
    SetPlatform(&fake);
    return fake.CreateMainWindow("Korvessa");
}

inline Display GameDisplay(Window* window) {
    Display screen;
    screen.WinHandle = window;
    screen.screenWidth = 1024;
    screen.screenHeight = 768;
    screen.bitsPerPixel = 32;
    screen.offscreenCount = 3;
    return screen;
}

inline void LeaveFakePlatform(Display& screen) {
    screen.Shutdown();
    ResetDeviceTestSeam();
    SetPlatform(nullptr);
}
