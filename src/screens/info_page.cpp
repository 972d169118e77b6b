#include "screens/info_page.h"

#include "platform/input.h"
#include "shell/screen_loop.h"
#include "ui/buttons.h"
#include "ui/display.h"
#include "ui/images.h"
#include "ui/text.h"

namespace {

const std::vector<ScreenImage> kInfoImages = {{kBackgroundSlot, "Images\\Info.bmp"},
                                              {kSpriteSlot, kSpriteSheetFile}};

}  // namespace

std::string PageRule() { return std::string(120, '-'); }

void DrawPageLines(const std::vector<std::string>& lines) {
    for (size_t i = 0; i < lines.size(); ++i) DrawText(30, 30 + 20 * static_cast<int>(i), lines[i], kSmallFont);
}

int RunInfoPage(const std::function<void()>& drawText) {
    if (!LoadScreenImages(kInfoImages)) return kFatal;
    buttonTable[kReturnButton].state = kButtonActive;
    PictureWatch watch;
    while (true) {
        if (!PumpMessages(watch) && !RecoverDisplay(kInfoImages, watch)) return kFatal;
        display.CopySurface(display.backSurface, display.offscreenSurfaces[kBackgroundSlot]);
        DrawButton(buttonTable[kReturnButton]);
        drawText();
        display.Present();
        if (input.clickPending) {
            input.clickPending = 0;
            if (ClickButton(buttonTable[kReturnButton])) return GoTo(kMainMenuScreen);
        }
        if (input.keyPressed) {
            input.keyPressed = 0;
            GetPlatform().PlaySound(kButtonClickSound);
            return GoTo(kMainMenuScreen);
        }
    }
}
