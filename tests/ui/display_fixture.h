#pragma once
// The game's display on the fake platform inside a fresh working folder, and
// the run log read back line by line. ToolkitTest sets it up with a made-up
// sprite sheet in slot 0 whose regions are told apart by colour, so tests can
// see which cell went where.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/input.h"
#include "support/fake_display.h"
#include "support/temp_dir.h"
#include "ui/button_table.h"
#include "ui/display.h"
#include "ui/sprite_layout.h"
#include "ui/text_layout.h"

std::vector<std::string> ReadLogLines();

class DisplayTest : public InTempDir {
protected:
    void SetUp() override;
    void TearDown() override;
    DrawSurface* Slot(int i) { return screen.offscreenSurfaces.at(static_cast<size_t>(i)); }

    FakePlatform fake;
    Window* window = nullptr;
    Display& screen = display;  // the toolkit draws on the game's one display
};

class ToolkitTest : public DisplayTest {
protected:
    void SetUp() override;

    // The colour of a font cell in the made-up sheet; the cell's top-left
    // pixel is black, to show the colour key at work.
    static uint32_t GlyphColour(int size, int cell) { return (size == kSmallFont ? 0x200000u : 0x400000u) + cell + 1; }
    static constexpr uint32_t kPlateColour = 0x00A000;
    static constexpr uint32_t kLitPlateColour = 0xA0A000;
    static constexpr uint32_t kBoxColour = 0x303030;
    static constexpr uint32_t kBackground = 0x123456;

    DrawSurface* Sheet() { return Slot(0); }
    uint32_t BackPixel(int x, int y) { return display.backSurface->Pixels()[y * display.backSurface->Pitch() + x]; }
    void FillBack(uint32_t colour) { FillRect(display.backSurface, {0, 0, 1024, 768}, colour); }
    static void FillRect(DrawSurface* surface, const Rect& r, uint32_t colour);
    // Writes the made-up sheet as "Images\Sprites.bmp" in the working folder.
    void WriteSheetFile();
};
