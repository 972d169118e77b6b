#pragma once
// The one table of every clickable control and many fixed text fields. A
// button's index is its id; each screen draws and tests its own range of ids
// and hands the id of a clicked button to the command switch.
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "platform/rect.h"
#include "platform/platform.h"
#include "ui/button_ids.h"

enum ButtonState : int { kButtonHidden = 0, kButtonTextOnly = 1, kButtonActive = 2 };

struct Button {
    Rect rect;
    std::string label;
    int state = kButtonActive;
    int fontSize = 1;
    uint8_t hasIcon = 0;
    Rect iconRect;
    int iconDx = 0;
    int iconDy = 0;
};

using ButtonTable = std::array<Button, kButtonCount>;
extern ButtonTable buttonTable;

// Fills the table with its start-up labels, rectangles and fonts; the set-up
// screen gets one row of controls for each faction name, a seat each.
void InitButtons(ButtonTable& table, std::span<const char* const> factionNames);

// Right and bottom are outside the rectangle, as with the window manager's
// point-in-rectangle test.
inline bool PointInRect(const Rect& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// Top-left of the label, centred in the rectangle with each division
// truncated toward zero; a label wider than the button starts left of it.
Point LabelOrigin(const Button& button);
