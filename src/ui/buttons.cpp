#include "ui/buttons.h"

#include "platform/input.h"
#include "ui/display.h"
#include "ui/images.h"
#include "ui/sprite_layout.h"
#include "ui/text.h"

namespace {

DdRect ToDdRect(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

void DrawPlate(const Button& button, DrawSurface* sheet) {
    const Point cursor = GetPlatform().CursorPos();
    const bool lit = PointInRect(button.rect, cursor.x, cursor.y);
    const DdRect source = ToDdRect(lit ? sheet::kButtonPlateLit : sheet::kButtonPlate);
    const DdRect target = ToDdRect(button.rect);
    display.backSurface->Blt(&target, sheet, &source, DDBLT_WAIT, nullptr);
    if (button.hasIcon) {
        const DdRect icon = ToDdRect(button.iconRect);
        display.backSurface->BltFast(button.rect.left + button.iconDx, button.rect.top + button.iconDy, sheet, &icon,
                                     DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT);
    }
}

}  // namespace

void DrawButton(const Button& button) {
    if (button.state == kButtonHidden) return;
    if (button.state == kButtonActive && display.backSurface && !display.offscreenSurfaces.empty()) {
        DrawPlate(button, display.offscreenSurfaces[kSpriteSlot]);
    }
    const Point at = LabelOrigin(button);
    DrawText(at.x, at.y, button.label, button.fontSize);
}

bool ClickButton(const Button& button) {
    if (button.state != kButtonActive) return false;
    if (!PointInRect(button.rect, input.clickX, input.clickY)) return false;
    input.clickX = -1;
    input.clickY = -1;
    GetPlatform().PlaySound(kButtonClickSound);
    return true;
}
