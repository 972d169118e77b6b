#include "assetgen/terrain_textures.h"

#include <cmath>
#include <functional>

#include "assetgen/canvas.h"
#include "assetgen/noise.h"

namespace assetgen {

namespace {

Image NoiseField(uint32_t seed, int size, int cellSize, Rgb low, Rgb high, double grain) {
    Image image(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            double v = PeriodicFbm(seed, x, y, cellSize, size);
            v += (Hash01(seed, uint32_t(x), uint32_t(y)) - 0.5) * grain;
            image.Set(x, y, AwayFromKey(Mix(low, high, (v - 0.2) / 0.6)));
        }
    return image;
}

// Draws a feature at every wrapped copy of its position, so that a feature
// crossing the texture's edge comes back on the other side.
void Wrapped(cairo_t* cr, int size, double x, double y, const std::function<void(cairo_t*)>& draw) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            cairo_save(cr);
            cairo_translate(cr, x + dx * size, y + dy * size);
            draw(cr);
            cairo_restore(cr);
        }
}

void Tree(cairo_t* cr, double r, Rgb low, Rgb high) {
    cairo_arc(cr, 1.5, 2, r, 0, 2 * M_PI);
    SetRgb(cr, Shade(low, 0.6), 0.8);
    cairo_fill(cr);
    cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
    SetRgb(cr, low);
    cairo_fill(cr);
    cairo_arc(cr, -r * 0.3, -r * 0.3, r * 0.55, 0, 2 * M_PI);
    SetRgb(cr, high);
    cairo_fill(cr);
}

void Rock(cairo_t* cr, double r, double turn, Rgb low, Rgb high) {
    cairo_rotate(cr, turn);
    cairo_move_to(cr, -r, r * 0.5);
    cairo_line_to(cr, -r * 0.6, -r * 0.6);
    cairo_line_to(cr, r * 0.2, -r);
    cairo_line_to(cr, r, -r * 0.2);
    cairo_line_to(cr, r * 0.8, r * 0.7);
    cairo_close_path(cr);
    SetRgb(cr, low);
    cairo_fill_preserve(cr);
    SetRgb(cr, Shade(low, 0.6));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_move_to(cr, -r * 0.6, -r * 0.6);
    cairo_line_to(cr, r * 0.2, -r);
    cairo_line_to(cr, r * 0.1, 0);
    cairo_close_path(cr);
    SetRgb(cr, high);
    cairo_fill(cr);
}

void Pine(cairo_t* cr, double r, Rgb needles, Rgb snow) {
    for (int tier = 0; tier < 3; ++tier) {
        const double w = r * (1.0 - tier * 0.25), y = r * 0.6 - tier * r * 0.5;
        cairo_move_to(cr, -w, y);
        cairo_line_to(cr, 0, y - r * 0.9);
        cairo_line_to(cr, w, y);
        cairo_close_path(cr);
        SetRgb(cr, needles);
        cairo_fill(cr);
        cairo_move_to(cr, -w * 0.5, y - r * 0.45);
        cairo_line_to(cr, 0, y - r * 0.9);
        cairo_line_to(cr, w * 0.2, y - r * 0.5);
        cairo_close_path(cr);
        SetRgb(cr, snow);
        cairo_fill(cr);
    }
}

}  // namespace

Image LandTexture(const TerrainTheme& theme) {
    Image land = NoiseField(theme.seed, 384, 16, theme.landLow, theme.landHigh, 0.12);
    Canvas marks(384, 384);
    cairo_t* cr = marks.Cr();
    for (int i = 0; i < 260; ++i) {
        const double x = Hash01(theme.seed, 11, i) * 384, y = Hash01(theme.seed, 12, i) * 384;
        const double size = 1 + Hash01(theme.seed, 13, i) * 2;
        Wrapped(cr, 384, x, y, [&](cairo_t* c) {
            cairo_move_to(c, -size, 0);
            cairo_line_to(c, 0, -size * 1.6);
            cairo_line_to(c, size, 0);
            SetRgb(c, theme.detail, 0.55);
            cairo_set_line_width(c, 1);
            cairo_stroke(c);
        });
    }
    PasteOver(land, marks, 0, 0);
    return land;
}

Image WaterTexture(const TerrainTheme& theme) {
    Image water = NoiseField(theme.seed + 50, 64, 16, theme.waterLow, theme.waterHigh, 0.06);
    Canvas glints(64, 64);
    cairo_t* cr = glints.Cr();
    for (int i = 0; i < 9; ++i) {
        const double x = Hash01(theme.seed, 21, i) * 64, y = Hash01(theme.seed, 22, i) * 64;
        const double len = 3 + Hash01(theme.seed, 23, i) * 5;
        Wrapped(cr, 64, x, y, [&](cairo_t* c) {
            cairo_move_to(c, -len, 0);
            cairo_curve_to(c, -len / 2, -1.5, len / 2, -1.5, len, 0);
            SetRgb(c, Shade(theme.waterHigh, 1.35), 0.8);
            cairo_set_line_width(c, 1.2);
            cairo_stroke(c);
        });
    }
    PasteOver(water, glints, 0, 0);
    return water;
}

Image RoughTexture(const TerrainTheme& theme) {
    Image rough = NoiseField(theme.seed + 90, 64, 16, theme.roughLow, theme.roughHigh, 0.1);
    Canvas features(64, 64);
    cairo_t* cr = features.Cr();
    // Features sit on a jittered grid so the ground is evenly covered; pines
    // are slimmer than crowns or rocks, so they stand closer together.
    const int across = theme.rough == TerrainTheme::Rough::kPines ? 4 : 3;
    const double step = 64.0 / across;
    for (int i = 0; i < across * across; ++i) {
        const double x = (i % across) * step + step * (0.2 + 0.5 * Hash01(theme.seed, 31, i));
        const double y = (i / across) * step + step * (0.3 + 0.5 * Hash01(theme.seed, 32, i));
        const double r = (across == 4 ? 6 : 7) + Hash01(theme.seed, 33, i) * 4;
        Wrapped(cr, 64, x, y, [&](cairo_t* c) {
            switch (theme.rough) {
            case TerrainTheme::Rough::kForest: Tree(c, r, theme.featureLow, theme.featureHigh); break;
            case TerrainTheme::Rough::kRocks:
                Rock(c, r, Hash01(theme.seed, 34, i) * 6, theme.featureLow, theme.featureHigh);
                break;
            case TerrainTheme::Rough::kPines: Pine(c, r, theme.featureLow, theme.featureHigh); break;
            }
        });
    }
    PasteOver(rough, features, 0, 0);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) rough.Set(x, y, AwayFromKey(rough.At(x, y)));
    return rough;
}

}  // namespace assetgen
