#include "platform/input.h"

#include <deque>

InputState input;
WindowState windowState;

namespace {

// How long one idle wait lasts while the window is minimised: short enough
// to notice a restore at once, long enough not to burn a processor core.
constexpr uint32_t kMinimisedWaitMs = 50;

// Messages that wait behind a key press, at most this many, and for at most
// this many frames: a screen that does not take keys must neither make the
// queue grow without end nor hold back the clicks behind a key.
constexpr size_t kMostWaiting = 256;
constexpr int kMostFramesWaiting = 60;

// What came off the platform's queue and has not been handled yet, in order.
std::deque<WindowMessage> waiting;
// Frames for which the pending key press has not been taken.
int framesKeyPending = 0;

void RecordClick(const WindowMessage& message, int button) {
    input.clickPending = 1;
    input.clickButton = button;
    input.clickX = LowWord(static_cast<uint64_t>(message.lParam));
    input.clickY = HighWord(static_cast<uint64_t>(message.lParam));
}

void RecordWheel(const WindowMessage& message) {
    input.wheelNotches += HighWord(message.wParam) / kWheelNotch;
    input.wheelX = LowWord(static_cast<uint64_t>(message.lParam));
    input.wheelY = HighWord(static_cast<uint64_t>(message.lParam));
}

int64_t SystemCommand(const WindowMessage& message) {
    // The low four bits of a system command are used by the window manager
    // itself and are not part of the command.
    const uint64_t command = message.wParam & 0xFFF0;
    if (command == SC_CLOSE && windowState.closeNeedsConsent) {
        input.closeRequested = 1;
        return 0;
    }
    if (command == SC_CLOSE || command == SC_RESTORE) return GetPlatform().DefaultHandling(message);
    return 0;
}

// A key press waits while the screens have not taken the one before it.
// Nothing waits while the window is minimised, since no frame would take it.
bool MustWait(const WindowMessage& message) {
    return message.message == WM_KEYDOWN && input.keyPressed && !windowState.appMinimised &&
           waiting.size() < kMostWaiting && framesKeyPending < kMostFramesWaiting;
}

// The next message to handle now; false when none is, or the next one waits.
bool NextMessage(Platform& platform, WindowMessage& message) {
    while (platform.PeekMessage(message)) waiting.push_back(std::move(message));
    if (waiting.empty() || MustWait(waiting.front())) return false;
    message = std::move(waiting.front());
    waiting.pop_front();
    return true;
}

}  // namespace

void ResetInput() {
    input = InputState{};
    windowState = WindowState{};
    waiting.clear();
    framesKeyPending = 0;
}

int64_t WindowProc(const WindowMessage& message) {
    switch (message.message) {
        case WM_KEYDOWN:
            input.keyPressed = 1;
            input.keyCode = static_cast<int>(message.wParam);
            input.keyRepeated = (message.lParam & kKeyRepeatFlag) != 0;
            input.typedChar = 0;
            return 0;
        case WM_CHAR:
            input.typedChar = static_cast<signed char>(message.wParam & 0xFF);
            return 0;
        case WM_LBUTTONDOWN: RecordClick(message, 1); return 0;
        case WM_RBUTTONDOWN: RecordClick(message, 2); return 0;
        case WM_MOUSEWHEEL: RecordWheel(message); return 0;
        case WM_ACTIVATE:
            windowState.appMinimised = HighWord(message.wParam) != 0;
            if (windowState.appMinimised) ++windowState.lossCount;
            return 0;
        case WM_DROPFILES: input.droppedFile = message.text; return 0;
        case WM_DESTROY: GetPlatform().PostQuit(0); return 0;
        case WM_SYSCOMMAND: return SystemCommand(message);
        default: return GetPlatform().DefaultHandling(message);
    }
}

bool PumpMessages(const PictureWatch& watch) {
    // Once the window is gone nothing can be restored: every later frame is
    // told so too, so no loop waits for a window that will not come back.
    if (windowState.quitReceived) return false;
    framesKeyPending = input.keyPressed ? framesKeyPending + 1 : 0;
    Platform& platform = GetPlatform();
    WindowMessage message;
    while (true) {
        while (NextMessage(platform, message)) {
            if (message.message == WM_QUIT) {
                windowState.quitReceived = 1;
                return false;
            }
            WindowProc(message);
        }
        // A close the screen must first agree to is taken to it at once,
        // so a minimised game still ends (or asks) when told to close.
        if (!windowState.appMinimised || input.closeRequested) break;
        platform.WaitMessage(kMinimisedWaitMs);
    }
    return !watch.Lost();
}

bool InputWaiting() { return !waiting.empty(); }

void CloseWindowNow() {
    input.closeRequested = 0;
    GetPlatform().DefaultHandling(MakeMessage(WM_SYSCOMMAND, SC_CLOSE));
}
