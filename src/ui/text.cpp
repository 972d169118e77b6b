#include "ui/text.h"

#include "ui/display.h"
#include "ui/images.h"

void DrawText(int x, int y, std::string_view text, int size) {
    if (display.offscreenSurfaces.empty() || !display.backSurface) return;
    DrawSurface* sheet = display.offscreenSurfaces[kSpriteSlot];
    const int advance = FontCellWidth(size);
    for (char c : text) {
        if (const std::optional<Rect> glyph = GlyphSource(c, size)) {
            const DdRect source{glyph->left, glyph->top, glyph->right, glyph->bottom};
            // Cells that would fall off the screen are refused by the copy,
            // the rest of the line is still drawn.
            display.backSurface->BltFast(x, y, sheet, &source, DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT);
        }
        x += advance;
    }
}
