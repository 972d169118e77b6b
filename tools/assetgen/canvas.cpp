#include "assetgen/canvas.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

Canvas::Canvas(int width, int height)
    : width_(width), height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

Rgb Canvas::ColourAt(int x, int y, int* alpha) const {
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    const uint32_t p = *reinterpret_cast<const uint32_t*>(data + size_t(y) * stride + size_t(x) * 4);
    const int a = int(p >> 24);
    *alpha = a;
    if (a == 0) return kKey;
    auto un = [a](uint32_t v) { return uint8_t(std::min(255u, (v * 255 + a / 2) / a)); };
    return {un((p >> 16) & 0xFF), un((p >> 8) & 0xFF), un(p & 0xFF)};
}

namespace {

// Walks the canvas pixel by pixel, unpremultiplied, and lets `put` decide
// what lands at each place of the picture.
template <typename Put>
void PasteEach(const Canvas& from, int left, int top, Put put) {
    from.Flush();
    for (int y = 0; y < from.Height(); ++y)
        for (int x = 0; x < from.Width(); ++x) {
            int a = 0;
            const Rgb c = from.ColourAt(x, y, &a);
            put(left + x, top + y, c, a);
        }
}

}  // namespace

void PasteOpaque(Image& into, const Canvas& from, int left, int top) {
    PasteEach(from, left, top, [&](int x, int y, Rgb c, int a) { into.Set(x, y, Mix(kKey, c, a / 255.0)); });
}

void PasteKeyed(Image& into, const Canvas& from, int left, int top) {
    PasteEach(from, left, top,
              [&](int x, int y, Rgb c, int a) { into.Set(x, y, a >= 128 ? AwayFromKey(c) : kKey); });
}

void PasteOver(Image& into, const Canvas& from, int left, int top) {
    PasteEach(from, left, top, [&](int x, int y, Rgb c, int a) {
        if (a > 0 && into.Contains(x, y)) into.Set(x, y, Mix(into.At(x, y), c, a / 255.0));
    });
}

void SetRgb(cairo_t* cr, Rgb c, double alpha) {
    cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

Rgb Mix(Rgb a, Rgb b, double t) {
    auto m = [t](uint8_t x, uint8_t y) { return uint8_t(std::lround(x + (y - x) * std::clamp(t, 0.0, 1.0))); };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

Rgb Shade(Rgb c, double factor) {
    if (factor <= 1.0) return Mix({0, 0, 0}, c, factor);
    return Mix(c, {255, 255, 255}, factor - 1.0);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

}  // namespace assetgen
