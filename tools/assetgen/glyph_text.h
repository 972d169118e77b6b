#pragma once
// Text in the game's own Terminus faces: into the sprite sheet's font rows,
// and as captions on the backgrounds.

#include <cairo.h>

#include <string>

#include "assetgen/psf_font.h"
#include "assetgen/raster.h"

namespace assetgen {

// Fills the large font row (codes 32 to 95) and the small font row (codes 32 to 90).
void DrawSheetFonts(Image& sheet);

struct TextStyle {
    int scale = 1;      // each font pixel becomes scale x scale
    Rgb top{255, 255, 255};
    Rgb bottom{255, 255, 255};  // vertical gradient over the cell height
    Rgb shadow{20, 20, 26};
    int shadowOffset = 1;  // in font pixels; 0 for none
};

// Draws text with its top-left at x, y; returns the width in pixels.
int DrawGlyphText(cairo_t* cr, const PsfFont& font, double x, double y, const std::string& text,
                  const TextStyle& style);
int TextWidth(const PsfFont& font, const std::string& text, int scale = 1);

}  // namespace assetgen
