#include "shell/input.h"

InputState input;
WindowState windowState;

namespace {

// How long one idle wait lasts while the window is minimised: short enough
// to notice a restore at once, long enough not to burn a processor core.
constexpr uint32_t kMinimisedWaitMs = 50;

void RecordClick(const WindowMessage& message, int button) {
    input.clickPending = 1;
    input.clickButton = button;
    input.clickX = LowWord(static_cast<uint64_t>(message.lParam));
    input.clickY = HighWord(static_cast<uint64_t>(message.lParam));
}

int64_t SystemCommand(const WindowMessage& message) {
    // The low four bits of a system command are used by the window manager
    // itself and are not part of the command.
    const uint64_t command = message.wParam & 0xFFF0;
    if (command == SC_CLOSE || command == SC_RESTORE) return GetPlatform().DefaultHandling(message);
    return 0;
}

}  // namespace

void ResetInput() {
    input = InputState{};
    windowState = WindowState{};
}

int64_t WindowProc(const WindowMessage& message) {
    switch (message.message) {
        case WM_KEYDOWN:
            input.keyPressed = 1;
            input.keyCode = static_cast<int>(message.wParam);
            input.typedChar = 0;
            return 0;
        case WM_CHAR:
            input.typedChar = static_cast<signed char>(message.wParam & 0xFF);
            return 0;
        case WM_LBUTTONDOWN: RecordClick(message, 1); return 0;
        case WM_RBUTTONDOWN: RecordClick(message, 2); return 0;
        case WM_ACTIVATE:
            windowState.appMinimised = HighWord(message.wParam) != 0;
            if (windowState.appMinimised) windowState.surfacesLost = 1;
            return 0;
        case WM_DROPFILES: input.droppedFile = message.text; return 0;
        case WM_DESTROY: GetPlatform().PostQuit(0); return 0;
        case WM_SYSCOMMAND: return SystemCommand(message);
        default: return GetPlatform().DefaultHandling(message);
    }
}

bool PumpMessages() {
    // Once the window is gone nothing can be restored: every later frame is
    // told so too, so no loop waits for a window that will not come back.
    if (windowState.quitReceived) return false;
    Platform& platform = GetPlatform();
    WindowMessage message;
    while (true) {
        while (platform.PeekMessage(message)) {
            if (message.message == WM_QUIT) {
                windowState.quitReceived = 1;
                return false;
            }
            WindowProc(message);
        }
        if (!windowState.appMinimised) break;
        platform.WaitMessage(kMinimisedWaitMs);
    }
    if (windowState.surfacesLost) {
        windowState.surfacesLost = 0;
        return false;
    }
    return true;
}
