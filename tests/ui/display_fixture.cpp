#include "display_fixture.h"

#include <filesystem>
#include <fstream>

#include "game/state.h"
#include "platform/bmp_writer.h"

std::vector<std::string> ReadLogLines() {
    std::vector<std::string> lines;
    std::ifstream in("Run.log");
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

void DisplayTest::SetUp() {
    InTempDir::SetUp();
    window = UseFakePlatform(fake);
    screen = GameDisplay(window);
}

void DisplayTest::TearDown() {
    LeaveFakePlatform(screen);
    InTempDir::TearDown();
}

void ToolkitTest::SetUp() {
    DisplayTest::SetUp();
    ResetInput();
    InitButtons(buttonTable, kFactionNames);
    ASSERT_TRUE(display.Setup());
    FillRect(Sheet(), {0, 0, 1024, 768}, 0);
    for (int size : {kSmallFont, kLargeFont}) {
        const int last = size == kSmallFont ? sheet::kSmallLastChar : sheet::kLargeLastChar;
        for (int code = 32; code <= last; ++code) {
            const Rect cell = *GlyphSource(static_cast<char>(code), size);
            FillRect(Sheet(), cell, GlyphColour(size, code - 32));
            FillRect(Sheet(), {cell.left, cell.top, cell.left + 1, cell.top + 1}, 0);
        }
    }
    FillRect(Sheet(), sheet::kButtonPlate, kPlateColour);
    FillRect(Sheet(), sheet::kButtonPlateLit, kLitPlateColour);
    FillRect(Sheet(), sheet::kPopupBox, kBoxColour);
}

void ToolkitTest::FillRect(DrawSurface* surface, const Rect& r, uint32_t colour) {
    uint32_t* pixels = surface->Pixels();
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) pixels[y * surface->Pitch() + x] = colour;
}

void ToolkitTest::WriteSheetFile() {
    std::filesystem::create_directories("Images");
    ASSERT_TRUE(WriteBmpFile("Images/Sprites.bmp", Sheet()->Pixels(), 1024, 768, Sheet()->Pitch()));
}
