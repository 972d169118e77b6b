#include "ui/popup.h"

#include "shell/input.h"
#include "shell/screen_loop.h"
#include "ui/buttons.h"
#include "ui/display.h"
#include "ui/images.h"
#include "ui/popup_entry.h"
#include "ui/text.h"

PopupBox popupBox;

namespace {

// Nothing to answer yet: the frame loop goes on.
constexpr int kNoAnswer = 0;

void FreezeScreen() {
    const DdRect whole{0, 0, display.screenWidth, display.screenHeight};
    display.backSurface->BltFast(0, 0, display.frontSurface, &whole, DDBLTFAST_NOCOLORKEY | DDBLTFAST_WAIT);
    display.Present();
}

}  // namespace

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
    DrawText(CentredTextX(text), boxTop + 52, text, kLargeFont);
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

int PopupBox::RunPopup() {
    if (!display.backSurface || display.offscreenSurfaces.empty()) return kFatal;
    FreezeScreen();
    PlaceButtons();
    input.keyPressed = 0;
    input.clickPending = 0;
    while (true) {
        if (!PumpMessages() && !RecoverDisplay({{kSpriteSlot, kSpriteSheetFile}})) return kFatal;
        DrawFrame();
        if (input.clickPending) {
            if (const int answer = TakeClick(); answer != kNoAnswer) return answer;
        }
        if (input.keyPressed) {
            input.keyPressed = 0;
            const PopupKey key = ApplyTypedChar(text, input.typedChar, inputShown != 0, maxLength);
            if (key == PopupKey::kNone) continue;
            GetPlatform().PlaySound(kButtonClickSound);
            return key == PopupKey::kConfirm ? kConfirmed : kCancelled;
        }
    }
}
