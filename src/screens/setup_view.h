#pragma once
// What the set-up screen draws: its background, its buttons (ids 4 to 35),
// the seats' colour swatches and, for a chosen terrain, a preview of it.
#include <vector>

#include "ui/images.h"

inline constexpr int kFirstSetupButton = 4;
inline constexpr int kLastSetupButton = 35;

// The pictures of the screen: the sprite sheet, the background and, when a
// terrain is chosen, its picture.
std::vector<ScreenImage> SetupImages();

// One frame of the screen, presented.
void DrawSetupScreen();
