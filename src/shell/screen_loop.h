#pragma once
// The screen loop: every screen is a function that runs until it returns the
// code of the next screen plus 100. Anything that does not name a screen (13
// quit, 14 fatal failure) ends the loop.
#include <array>
#include <functional>
#include <optional>

#include "game/screen_ids.h"

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
