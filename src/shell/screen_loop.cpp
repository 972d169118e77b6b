#include "shell/screen_loop.h"

#include "platform/platform.h"

std::optional<int> ScreenIndex(int state) {
    for (int i = 0; i < kScreenCount; ++i) {
        if (kScreenIds[i] == state) return i;
    }
    return std::nullopt;
}

int RunScreens(const ScreenTable& screens) {
    GetPlatform().PlaySound("Sounds\\Start.wav");
    int state = kMainMenuScreen;
    while (true) {
        const std::optional<int> index = ScreenIndex(state);
        if (!index) return state + kGoTo;
        if (!screens[*index]) return kFatal;
        state = screens[*index]() - kGoTo;
    }
}
