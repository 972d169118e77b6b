#pragma once
// Where the glyphs of the two bitmap fonts are in the sprite sheet, and how
// wide a line of text is. Both fonts are fixed-pitch, so every layout in the
// game is worked out from the cell sizes alone.
#include <optional>
#include <string_view>

#include "platform/rect.h"

enum FontSize : int { kSmallFont = 0, kLargeFont = 1 };

int FontCellWidth(int size);
int FontCellHeight(int size);

// Width in pixels of a line: one cell per byte, drawn or not.
int TextWidth(std::string_view text, int size);

// The sheet rectangle of a character's glyph, or nothing when the font has no
// glyph for it (control characters such as a tab, bytes of 128 and above,
// lower case in the large font, the picture cells after Z in the small font).
// A character without a glyph still takes its cell: it shows as a blank.
std::optional<Rect> GlyphSource(char c, int size);
