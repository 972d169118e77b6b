#include "ui/popup.h"

#include <algorithm>

#include "platform/input.h"
#include "ui/buttons.h"
#include "ui/display.h"
#include "ui/images.h"
#include "ui/popup_entry.h"
#include "ui/screen_ids.h"
#include "ui/text.h"

PopupBox popupBox;

namespace {

// Nothing to answer yet: the frame loop goes on.
constexpr int kNoAnswer = 0;

}  // namespace

void PopupBox::FreezeScreen() {
    const DdRect whole{0, 0, display.screenWidth, display.screenHeight};
    display.backSurface->BltFast(0, 0, display.frontSurface, &whole, DDBLTFAST_NOCOLORKEY | DDBLTFAST_WAIT);
    backdrop_.clear();
    if (const uint32_t* pixels = display.backSurface->Pixels()) {
        const DrawSurface& back = *display.backSurface;
        backdrop_.assign(pixels, pixels + static_cast<size_t>(back.Width()) * back.Height());
    }
    display.Present();
}

// Both pages of the restored display get the picture the box opened over.
void PopupBox::ShowBackdrop() const {
    for (int page = 0; page < 2; ++page) {
        uint32_t* pixels = display.backSurface->Pixels();
        const DrawSurface& back = *display.backSurface;
        if (!pixels || backdrop_.size() != static_cast<size_t>(back.Width()) * back.Height()) return;
        std::copy(backdrop_.begin(), backdrop_.end(), pixels);
        if (page == 0) display.Present();
    }
}

void PopupBox::PlaceButtons() const {
    buttonTable[kPopupCancelButton].rect = {boxLeft + 16, boxTop + 128, boxLeft + 150, boxTop + 160};
    buttonTable[kPopupOkButton].rect = {boxRight - 150, boxTop + 128, boxRight - 16, boxTop + 160};
}

void PopupBox::DrawFrame() const {
    const DdRect source{sheetRect.left, sheetRect.top, sheetRect.right, sheetRect.bottom};
    display.backSurface->BltFast(boxLeft, boxTop, display.offscreenSurfaces[kSpriteSlot], &source,
                                 DDBLTFAST_NOCOLORKEY | DDBLTFAST_WAIT);
    if (inputShown) {
        const Rect field = EntryFieldRect(maxLength, boxTop);
        const DdRect target{field.left, field.top, field.right, field.bottom};
        DdBltFx fill;
        fill.fillColor = 0;
        display.backSurface->Blt(&target, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fill);
    }
    DrawText(CentredTextX(prompt), boxTop + 9, prompt, kLargeFont);
    const std::string shown = masked ? std::string(text.size(), '*') : text;
    DrawText(CentredTextX(shown), boxTop + 52, shown, kLargeFont);
    DrawText(CentredTextX(hint), boxTop + 94, hint, kLargeFont);
    DrawButton(buttonTable[kPopupCancelButton]);
    DrawButton(buttonTable[kPopupOkButton]);
    display.Present();
}

int PopupBox::TakeClick() const {
    input.clickPending = 0;
    if (ClickButton(buttonTable[kPopupCancelButton])) return kCancelled;
    if (ClickButton(buttonTable[kPopupOkButton])) return kConfirmed;
    return kNoAnswer;
}

int PopupBox::TakeKey() {
    input.keyPressed = 0;
    const PopupKey key = ApplyTypedChar(text, input.typedChar, inputShown != 0, maxLength);
    if (key == PopupKey::kNone) return kNoAnswer;
    GetPlatform().PlaySound(kButtonClickSound);
    return key == PopupKey::kConfirm ? kConfirmed : kCancelled;
}

int PopupBox::RunPopup() {
    if (!display.backSurface || display.offscreenSurfaces.empty()) return kFatal;
    FreezeScreen();
    PlaceButtons();
    input.keyPressed = 0;
    input.clickPending = 0;
    PictureWatch watch;
    while (true) {
        if (!PumpMessages(watch)) {
            if (!RecoverDisplay({{kSpriteSlot, kSpriteSheetFile}}, watch)) return kFatal;
            ShowBackdrop();
        }
        DrawFrame();
        if (input.clickPending) {
            if (const int answer = TakeClick(); answer != kNoAnswer) return answer;
        }
        if (input.keyPressed) {
            if (const int answer = TakeKey(); answer != kNoAnswer) return answer;
        }
        // The player wants the window closed: the screen that guards the
        // close asks, and the box must not stand in the way.
        if (input.closeRequested) return kCancelled;
    }
}
