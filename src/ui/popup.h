#pragma once
// The one modal box of the game: notices, OK/CANCEL questions and single-line
// text entry, drawn over a frozen copy of the picture on the screen. Callers
// set every field they depend on before each run; the box clears nothing.
#include <cstdint>
#include <string>
#include <vector>

#include "ui/screen_ids.h"
#include "ui/sprite_layout.h"

class PopupBox {
public:
    std::string prompt;  // first line: the question or notice
    std::string text;    // the entry line, read back by the caller after OK
    std::string hint;    // third line, for example the allowed range
    int maxLength = 8;
    uint8_t inputShown = 0;
    uint8_t masked = 0;  // the entry line shows one * a character (passwords)
    Rect sheetRect = sheet::kPopupBox;
    int boxLeft = 232;
    int boxTop = 296;
    int boxRight = 792;

    // Runs the box until it is answered: kConfirmed for OK (button or Enter),
    // kCancelled for CANCEL (button or Escape, or a request to close the
    // window that a screen guards), kFatal when the display could not be
    // brought back.
    int RunPopup();

private:
    void PlaceButtons() const;
    void FreezeScreen();
    void ShowBackdrop() const;
    void DrawFrame() const;
    int TakeClick() const;
    int TakeKey();

    // The picture the box was opened over, kept to show it again after the
    // window was minimised.
    std::vector<uint32_t> backdrop_;
};

extern PopupBox popupBox;
