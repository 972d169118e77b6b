#pragma once
// What the set-up screen draws: its background, its buttons,
// the seats' colour swatches and, for a chosen terrain, a preview of it.
#include <vector>

#include "ui/button_ids.h"
#include "ui/images.h"

// The pictures of the screen: the sprite sheet, the background and, when a
// terrain is chosen, its picture.
std::vector<ScreenImage> SetupImages();

// One frame of the screen, presented.
void DrawSetupScreen();
