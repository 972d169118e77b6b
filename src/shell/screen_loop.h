#pragma once
// The screen loop: every screen is a function that runs until it returns
// GoTo(the next screen). Anything that does not name a screen (kQuit, kFatal)
// ends the loop.
#include <array>
#include <functional>
#include <optional>

#include "ui/screen_ids.h"

inline constexpr int kScreenCount = 9;
inline constexpr std::array<ScreenId, kScreenCount> kScreenIds = {
    kHelpScreen,    kMainMenuScreen, kLoadGameScreen,  kSetupScreen,        kHandOverScreen,
    kGameOverScreen, kEndTurnScreen, kHumanTurnScreen, kComputerTurnScreen,
};

// The position of a state in kScreenIds, or nothing when it is no screen.
std::optional<int> ScreenIndex(int state);

using ScreenFunction = std::function<int()>;
// One function per screen, in the order of kScreenIds.
using ScreenTable = std::array<ScreenFunction, kScreenCount>;

// Runs screens from the main menu on until a result names no screen; returns
// that last result. A screen without a function ends the loop like a fatal
// failure rather than being skipped silently.
int RunScreens(const ScreenTable& screens);
