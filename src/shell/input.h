#pragma once
// What the window procedure records for the screens to poll: the last key,
// the last typed character, the last click, and whether the window is
// minimised. The screens clear the pending flags themselves when they act on
// them. Everything runs on the one thread that pumps the messages.
#include <cstdint>
#include <string>

#include "platform/platform.h"

struct InputState {
    uint8_t keyPressed = 0;
    int keyCode = 0;
    int typedChar = 0;
    uint8_t clickPending = 0;
    int clickButton = 0;  // 1 left, 2 right
    int clickX = 0;
    int clickY = 0;
    // The path of the last file dropped on the window, until a screen that
    // takes files (main menu, load game) empties it.
    std::string droppedFile;
};
extern InputState input;

struct WindowState {
    uint8_t appMinimised = 0;
    // Set when the window is minimised: the display surfaces and their
    // pictures must be restored before the next frame is built.
    uint8_t surfacesLost = 0;
    // Set once the quit message has come through: the window is gone, so
    // there is nothing to restore.
    uint8_t quitReceived = 0;
};
extern WindowState windowState;

// Clears the input flags and the window state, as at the start of a run.
void ResetInput();

// The window procedure: records input and activation, swallows the system
// commands the game does not want (move, size, minimise, maximise, screen
// saver, the menu key) and passes the rest to the platform's default handling.
int64_t WindowProc(const WindowMessage& message);

// Called once per frame by every screen: handles every waiting message.
// False when the quit message arrived or the display must be restored; the
// screen then restores its surfaces and reloads its pictures. While the
// window is minimised this waits here for it to come back.
bool PumpMessages();
