#pragma once
// What the window procedure records for the screens to poll: the last key,
// the last typed character, the last click, and whether the window is
// minimised. The screens clear the pending flags themselves when they act on
// them. A key pressed while an earlier one is still pending waits in the
// pump, with everything after it, until a frame has taken the earlier one:
// fast typing loses no character and keeps their order. Everything runs on
// the one thread that pumps the messages.
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
    // Notches the mouse wheel turned (positive up) since a screen last took
    // them, and where the cursor was.
    int wheelNotches = 0;
    int wheelX = 0;
    int wheelY = 0;
    // Set when the key of the last key press was already down: the
    // keyboard's own repeat.
    uint8_t keyRepeated = 0;
    // The player asked to close the window while a screen guards against it
    // (closeNeedsConsent); that screen asks and then calls CloseWindowNow.
    uint8_t closeRequested = 0;
};
extern InputState input;

struct WindowState {
    uint8_t appMinimised = 0;
    // Counts the minimisings: each loses the display's surfaces and their
    // pictures. Every frame loop keeps a PictureWatch on it.
    uint32_t lossCount = 0;
    // While set, closing the window only raises input.closeRequested.
    uint8_t closeNeedsConsent = 0;
    // Set once the quit message has come through: the window is gone, so
    // there is nothing to restore.
    uint8_t quitReceived = 0;
};
extern WindowState windowState;

// Whether the pictures of one frame loop (a screen, a box, a page) are
// still on the display's surfaces. A loss is seen by every loop that was
// running, however deep it was noticed: a box that restores its own pictures
// leaves the screen beneath it to find out about its own.
class PictureWatch {
public:
    PictureWatch() : seen_(windowState.lossCount) {}
    bool Lost() const { return seen_ != windowState.lossCount; }
    // The loop has restored the surfaces and loaded its pictures again.
    void Reloaded() { seen_ = windowState.lossCount; }

private:
    uint32_t seen_;
};

// Clears the input flags and the window state, as at the start of a run.
void ResetInput();

// The window procedure: records input and activation, swallows the system
// commands the game does not want (move, size, minimise, maximise, screen
// saver, the menu key) and passes the rest to the platform's default handling.
int64_t WindowProc(const WindowMessage& message);

// Called once per frame by every frame loop: handles the waiting messages.
// False when the quit message arrived or the loop's pictures were lost; the
// loop then restores the surfaces, reloads its pictures and tells its watch.
// While the window is minimised this waits here for it to come back.
bool PumpMessages(const PictureWatch& watch);

// Whether messages wait behind a key press not yet taken.
bool InputWaiting();

// Closes the window after the player agreed to a close request.
void CloseWindowNow();
