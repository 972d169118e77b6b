#pragma once
// The opaque interface pictures of the sprite sheet: button plates, the
// pop-up box, the two side-panel pictures and the colour swatches.

#include <cairo.h>

#include "assetgen/raster.h"

namespace assetgen {

void DrawButtonPlates(Image& sheet);
void DrawPopupBox(Image& sheet);
void DrawSidePanels(Image& sheet);
void DrawSwatches(Image& sheet);

// A sunken well with a bevelled rim, shared with the backgrounds.
void Well(cairo_t* cr, double x, double y, double w, double h);
// A raised, brushed-metal frame filling a rectangle.
void MetalPlate(cairo_t* cr, double x, double y, double w, double h);

}  // namespace assetgen
