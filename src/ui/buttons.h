#pragma once
// Drawing a button and testing the pending click against it.
#include "ui/button_table.h"

inline constexpr const char* kButtonClickSound = "Sounds\\Button-Click.wav";

// Hidden buttons draw nothing; text-only ones their label; active ones the
// plate (lit under the cursor), their icon and their label.
void DrawButton(const Button& button);

// True when the pending click lies on this active button. The click is then
// used up (its position moved off the screen) so no other button takes it,
// and the click sound plays.
bool ClickButton(const Button& button);
