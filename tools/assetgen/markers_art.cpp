#include "assetgen/markers_art.h"

#include <algorithm>
#include <cmath>

#include "assetgen/canvas.h"
#include "assetgen/layout.h"
#include "assetgen/palette.h"

namespace assetgen {

namespace {

void StrokeTwice(cairo_t* cr, Rgb colour, double width) {
    SetRgb(cr, ui::kInk);
    cairo_set_line_width(cr, width + 2.2);
    cairo_stroke_preserve(cr);
    SetRgb(cr, colour);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void AttackMarker(cairo_t* cr) {
    const Rgb red{255, 70, 50};
    cairo_arc(cr, 16, 16, 10, 0, 2 * M_PI);
    StrokeTwice(cr, red, 2.2);
    for (int i = 0; i < 4; ++i) {
        const double a = i * M_PI / 2;
        cairo_move_to(cr, 16 + 5 * std::cos(a), 16 + 5 * std::sin(a));
        cairo_line_to(cr, 16 + 14.5 * std::cos(a), 16 + 14.5 * std::sin(a));
        StrokeTwice(cr, red, 2.2);
    }
    cairo_arc(cr, 16, 16, 2, 0, 2 * M_PI);
    SetRgb(cr, {255, 220, 120});
    cairo_fill(cr);
}

// A build marker: the faction's own frame shape around a plus sign.
void BuildMarker(cairo_t* cr, int faction) {
    const Rgb accents[] = {{255, 150, 40}, {250, 214, 60}, {80, 220, 200}, {200, 200, 220}};
    const Rgb c = accents[faction];
    switch (faction) {
    case 0: cairo_arc(cr, 16, 16, 12, 0, 2 * M_PI); break;
    case 1:
        for (int i = 0; i < 6; ++i) {
            const double a = M_PI / 6 + i * M_PI / 3;
            cairo_line_to(cr, 16 + 13 * std::cos(a), 16 + 13 * std::sin(a));
        }
        cairo_close_path(cr);
        break;
    case 2:
        cairo_move_to(cr, 16, 3);
        cairo_line_to(cr, 29, 16);
        cairo_line_to(cr, 16, 29);
        cairo_line_to(cr, 3, 16);
        cairo_close_path(cr);
        break;
    default: RoundedRect(cr, 5, 5, 22, 22, 3); break;
    }
    StrokeTwice(cr, c, 2.2);
    cairo_move_to(cr, 16, 10);
    cairo_line_to(cr, 16, 22);
    cairo_move_to(cr, 10, 16);
    cairo_line_to(cr, 22, 16);
    StrokeTwice(cr, c, 2.6);
}

void MoveReady(cairo_t* cr) {
    cairo_arc(cr, 5, 5, 3.6, 0, 2 * M_PI);
    SetRgb(cr, {130, 236, 255});  // cyan reads on grass, sand, snow and lava alike
    cairo_fill_preserve(cr);
    SetRgb(cr, {16, 50, 70});
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
}

void AttackReady(cairo_t* cr) {
    cairo_move_to(cr, 5, 0.8);
    cairo_line_to(cr, 9.2, 5);
    cairo_line_to(cr, 5, 9.2);
    cairo_line_to(cr, 0.8, 5);
    cairo_close_path(cr);
    SetRgb(cr, {255, 110, 50});
    cairo_fill_preserve(cr);
    SetRgb(cr, {90, 24, 16});
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
}

template <typename Draw>
void Keyed(Image& sheet, Rect where, Draw draw) {
    Canvas canvas(where.Width(), where.Height());
    cairo_set_line_cap(canvas.Cr(), CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(canvas.Cr(), CAIRO_LINE_JOIN_ROUND);
    draw(canvas.Cr());
    PasteKeyed(sheet, canvas, where.left, where.top);
}

}  // namespace

void DrawMarkers(Image& sheet) {
    Keyed(sheet, sheet::kAttackMarker, AttackMarker);
    for (int f = 0; f < kFactions; ++f) Keyed(sheet, sheet::BuildMarker(f), [f](cairo_t* cr) { BuildMarker(cr, f); });
    Keyed(sheet, sheet::kMoveReadyMark, MoveReady);
    Keyed(sheet, sheet::kAttackReadyMark, AttackReady);
}

// Four corner brackets that breathe in and out over the four frames.
void DrawCursorFrames(Image& sheet) {
    const double insets[] = {2, 3.5, 5, 3.5};
    const Rgb colours[] = {{255, 240, 120}, {255, 255, 200}, {255, 255, 255}, {255, 255, 200}};
    for (int k = 0; k < 4; ++k)
        Keyed(sheet, sheet::CursorFrame(k), [&](cairo_t* cr) {
            const double a = insets[k], b = 64 - insets[k], len = 12;
            const double corners[4][2] = {{a, a}, {b, a}, {a, b}, {b, b}};
            for (const auto& c : corners) {
                const double sx = c[0] < 32 ? 1 : -1, sy = c[1] < 32 ? 1 : -1;
                cairo_move_to(cr, c[0], c[1] + sy * len);
                cairo_line_to(cr, c[0], c[1]);
                cairo_line_to(cr, c[0] + sx * len, c[1]);
                StrokeTwice(cr, colours[k], 2.4);
            }
        });
}

// One puff of the fireball: a red rim, an orange body and a hot core whose
// share shrinks as the fire cools.
void FirePuff(cairo_t* cr, double x, double y, double r, double heat) {
    const Rgb rim = Mix({110, 96, 90}, {210, 60, 24}, heat * 1.6);
    const Rgb body = Mix({130, 118, 108}, {255, 140, 40}, heat * 1.4);
    const Rgb core = Mix({255, 140, 40}, {255, 244, 170}, heat);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    SetRgb(cr, rim);
    cairo_fill(cr);
    cairo_arc(cr, x - r * 0.15, y - r * 0.15, r * 0.75, 0, 2 * M_PI);
    SetRgb(cr, body);
    cairo_fill(cr);
    if (heat > 0.15) {
        cairo_arc(cr, x - r * 0.2, y - r * 0.25, r * 0.45 * heat, 0, 2 * M_PI);
        SetRgb(cr, core);
        cairo_fill(cr);
    }
}

// Sixteen frames: a star-shaped flash, a fireball that swells and cools to
// smoke, then smoke that rises and thins away to a last wisp.
void ExplosionFrame(cairo_t* cr, int f) {
    const double t = f / 15.0;
    if (f < 3) {
        const double r = 12 + f * 6;
        for (int i = 0; i < 16; ++i) {
            const double a = i * M_PI / 8, len = (i % 2 ? 0.55 : 1.0) * r * 1.4;
            cairo_line_to(cr, 32 + std::cos(a) * len, 32 + std::sin(a) * len);
            cairo_line_to(cr, 32 + std::cos(a + M_PI / 16) * r * 0.5, 32 + std::sin(a + M_PI / 16) * r * 0.5);
        }
        cairo_close_path(cr);
        SetRgb(cr, {255, 170, 50});
        cairo_fill(cr);
    }
    const int puffs = 7;
    const double heat = std::max(0.0, 1.0 - t * 1.6);
    for (int i = 0; i < puffs; ++i) {
        if (f >= 9 && (i * 5 + 3) % puffs < std::min(f - 8, puffs - 1)) continue;  // smoke breaks up, a wisp stays
        const double a = i * 2 * M_PI / puffs + 0.4 * std::sin(i * 1.7);
        const double spread = 4 + 16 * std::min(t * 2.2, 1.0);
        const double rise = t > 0.4 ? (t - 0.4) * 18 : 0;
        const double r = (f < 9 ? 7 + 8 * std::min(t * 2.5, 1.0) : 15 - (f - 8) * 1.2) * (0.8 + 0.3 * ((i * 3) % 4) / 3);
        FirePuff(cr, 32 + std::cos(a) * spread, 32 + std::sin(a) * spread * 0.8 - rise, std::max(r, 3.0), heat);
    }
    if (f < 12) {  // the heart of the blast, last to cool
        const double r = f < 9 ? 10 + 6 * std::min(t * 3, 1.0) : 16 - (f - 8) * 3;
        FirePuff(cr, 32, 32 - t * 6, r, std::min(1.0, heat + 0.3));
    }
    if (f >= 2 && f < 8) {  // embers thrown out
        for (int i = 0; i < 8; ++i) {
            const double a = i * M_PI / 4 + 0.2, d = 14 + f * 4;
            cairo_arc(cr, 32 + std::cos(a) * d, 32 + std::sin(a) * d + f * f * 0.15, 1.6, 0, 2 * M_PI);
            SetRgb(cr, {255, 220, 110});
            cairo_fill(cr);
        }
    }
}

void DrawExplosionFrames(Image& sheet) {
    for (int f = 0; f < 16; ++f) Keyed(sheet, sheet::ExplosionFrame(f), [f](cairo_t* cr) { ExplosionFrame(cr, f); });
}

// A plain bright outline: its inside is the key, so the mini-map shows through.
void DrawViewFrame(Image& sheet) {
    const Rect r = sheet::kViewFrame;
    sheet.Fill(r.left, r.top, r.right, r.bottom, kKey);
    const Rgb c{255, 255, 210};
    for (int x = r.left; x < r.right; ++x) {
        sheet.Set(x, r.top, c);
        sheet.Set(x, r.bottom - 1, c);
    }
    for (int y = r.top; y < r.bottom; ++y) {
        sheet.Set(r.left, y, c);
        sheet.Set(r.right - 1, y, c);
    }
}

}  // namespace assetgen
