#pragma once
// The game's display on the fake platform inside a fresh working folder.
// ToolkitTest sets it up with a made-up sprite sheet in slot 0 whose regions
// are told apart by colour, so tests can see which cell went where.
#include <cstdint>

#include "game/state.h"
#include "platform/input.h"
#include "support/fake_display.h"
#include "support/temp_dir.h"
#include "ui/button_table.h"
#include "ui/display.h"
#include "ui/sprite_layout.h"
#include "ui/text_layout.h"

class DisplayTest : public InTempDir {
protected:
    void SetUp() override {
        InTempDir::SetUp();
        screen = GameDisplay(UseFakePlatform(fake));
    }
    void TearDown() override {
        LeaveFakePlatform(screen);
        InTempDir::TearDown();
    }

    FakePlatform fake;
    Display& screen = display;  // the toolkit draws on the game's one display
};

class ToolkitTest : public DisplayTest {
protected:
    void SetUp() override {
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

    // The colour of a font cell in the made-up sheet; the cell's top-left
    // pixel is black, to show the colour key at work.
    static uint32_t GlyphColour(int size, int cell) { return (size == kSmallFont ? 0x200000u : 0x400000u) + cell + 1; }
    static constexpr uint32_t kPlateColour = 0x00A000;
    static constexpr uint32_t kLitPlateColour = 0xA0A000;
    static constexpr uint32_t kBoxColour = 0x303030;
    static constexpr uint32_t kBackground = 0x123456;

    DrawSurface* Sheet() { return display.offscreenSurfaces.at(0); }
    uint32_t BackPixel(int x, int y) { return display.backSurface->Pixels()[y * display.backSurface->Pitch() + x]; }
    void FillBack(uint32_t colour) { FillRect(display.backSurface, {0, 0, 1024, 768}, colour); }
    static void FillRect(DrawSurface* surface, const Rect& r, uint32_t colour) {
        uint32_t* pixels = surface->Pixels();
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) pixels[y * surface->Pitch() + x] = colour;
    }
};
