#include "toolkit_fixture.h"

#include <filesystem>

#include "game/state.h"
#include "platform/bmp_writer.h"
#include "support/fake_display.h"
#include "support/read_file.h"

void ToolkitTest::SetUp() {
    InTempDir::SetUp();
    window = UseFakePlatform(fake);
    ResetInput();
    InitButtons(buttonTable, kFactionNames);
    display = GameDisplay(window);
    ASSERT_TRUE(display.Setup());
    PaintSheet();
}

void ToolkitTest::TearDown() {
    LeaveFakePlatform(display);
    InTempDir::TearDown();
}

void ToolkitTest::FillRect(DrawSurface* surface, const Rect& r, uint32_t colour) {
    uint32_t* pixels = surface->Pixels();
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) pixels[y * surface->Pitch() + x] = colour;
}

void ToolkitTest::FillBack(uint32_t colour) { FillRect(display.backSurface, {0, 0, 1024, 768}, colour); }

void ToolkitTest::PaintSheet() {
    DrawSurface* sheet = Sheet();
    FillRect(sheet, {0, 0, 1024, 768}, 0);
    for (int size : {kSmallFont, kLargeFont}) {
        const int last = size == kSmallFont ? sheet::kSmallLastChar : sheet::kLargeLastChar;
        for (int code = 32; code <= last; ++code) {
            const Rect cell = *GlyphSource(static_cast<char>(code), size);
            FillRect(sheet, cell, GlyphColour(size, code - 32));
            FillRect(sheet, {cell.left, cell.top, cell.left + 1, cell.top + 1}, 0);
        }
    }
    FillRect(sheet, sheet::kButtonPlate, kPlateColour);
    FillRect(sheet, sheet::kButtonPlateLit, kLitPlateColour);
    FillRect(sheet, sheet::kPopupBox, kBoxColour);
}

void ToolkitTest::WriteSheetFile() {
    std::filesystem::create_directories("Images");
    ASSERT_TRUE(WriteBmpFile("Images/Sprites.bmp", Sheet()->Pixels(), 1024, 768, Sheet()->Pitch()));
}

std::string ToolkitTest::ReadLog() { return ReadFile("Run.log"); }
