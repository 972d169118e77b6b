#pragma once
// Draws a line of text from the sprite sheet's bitmap fonts into the back
// buffer. The pen only moves right: callers place every line themselves.
#include <string_view>

#include "ui/text_layout.h"

// x, y: the top-left corner of the first cell; size: kSmallFont or kLargeFont.
void DrawText(int x, int y, std::string_view text, int size);
