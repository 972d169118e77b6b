#pragma once
// Cairo drawing surfaces and how their pixels reach a 24-bit picture.

#include <cairo.h>

#include "assetgen/raster.h"

namespace assetgen {

// An ARGB drawing surface with its context, cleared to transparent.
class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* Cr() const { return cr_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Straight (not premultiplied) colour and coverage of one pixel; call
    // Flush once after drawing and before reading.
    Rgb ColourAt(int x, int y, int* alpha) const;
    void Flush() const { cairo_surface_flush(surface_); }

private:
    int width_, height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Copies a canvas whose art covers it fully; uncovered pixels come out black.
void PasteOpaque(Image& into, const Canvas& from, int left, int top);

// Copies a sprite for colour-keyed blitting: half-covered pixels and more
// take the sprite's own colour at full strength, the rest become the key, so
// no edge is ever blended towards black. Opaque colours are kept off the key.
void PasteKeyed(Image& into, const Canvas& from, int left, int top);

// Blends a canvas over what the picture already holds.
void PasteOver(Image& into, const Canvas& from, int left, int top);

void SetRgb(cairo_t* cr, Rgb c, double alpha = 1.0);
Rgb Mix(Rgb a, Rgb b, double t);
Rgb Shade(Rgb c, double factor);  // < 1 darker, > 1 lighter (towards white)
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);

}  // namespace assetgen
