#pragma once
// The typing rules of the pop-up box's entry line, apart from the box itself
// so they can be checked without a display. Callers read typed numbers back
// with ParseDecimal (shell/settings.h), the reading the settings file uses.
#include <string>
#include <string_view>

#include "platform/rect.h"

enum class PopupKey { kNone, kConfirm, kCancel };

// Acts on one typed character (0 for keys without one): Enter confirms,
// Escape cancels, and with the field shown Backspace takes the last character
// off, Delete empties the line and the accepted characters are appended, lower
// case letters as capitals, while the line is shorter than maxLength.
PopupKey ApplyTypedChar(std::string& text, int typedChar, bool inputShown, int maxLength);

// True for the characters the entry line accepts once lower case has been
// raised: the space, digits, capitals and the marks ! # $ % & ' ( ) + , - . ;
// = and @. Everything a file name or a font cell cannot hold is refused.
bool IsEntryChar(int code);

// The black field behind the entry line, centred on the screen's width.
Rect EntryFieldRect(int maxLength, int boxTop);

// The left edge of a large-font line centred on the 1024-pixel screen.
int CentredTextX(std::string_view text);
