#include "assetgen/markers_art.h"

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
    SetRgb(cr, {120, 255, 140});
    cairo_fill_preserve(cr);
    SetRgb(cr, {20, 70, 30});
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
    Keyed(sheet, sheet::kMoveReady, MoveReady);
    Keyed(sheet, sheet::kAttackReady, AttackReady);
}

// Four corner brackets that breathe in and out over the four frames.
void DrawCursorFrames(Image& sheet) {
    const double insets[] = {2, 3.5, 5, 3.5};
    const Rgb colours[] = {{255, 240, 120}, {255, 255, 200}, {255, 255, 255}, {255, 255, 200}};
    for (int k = 0; k < 4; ++k)
        Keyed(sheet, sheet::Cursor(k), [&](cairo_t* cr) {
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

// Sixteen frames: a flash, a fireball that swells and cools, then smoke that thins away.
void DrawExplosionFrames(Image& sheet) {
    for (int f = 0; f < 16; ++f)
        Keyed(sheet, sheet::Explosion(f), [f](cairo_t* cr) {
            uint32_t seed = 977u;
            auto rnd = [&seed]() {
                seed = seed * 1103515245u + 12345u;
                return double((seed >> 8) & 0xFFFF) / 65535.0;
            };
            const double t = f / 15.0;
            const int puffs = 9;
            for (int i = 0; i < puffs; ++i) {
                const double angle = rnd() * 2 * M_PI, dist = 4 + rnd() * 14 * (0.3 + t);
                const double life = rnd();
                if (t > 0.55 && life < (t - 0.55) * 1.7) continue;  // puffs vanish one by one
                const double r = (5 + 9 * rnd()) * (0.4 + std::min(t, 0.5) * 1.6) * (t > 0.7 ? 1.5 - t * 0.7 : 1);
                const double x = 32 + std::cos(angle) * dist, y = 32 + std::sin(angle) * dist - t * 8;
                const Rgb hot = Mix({255, 250, 200}, {255, 150, 40}, t * 2.2);
                const Rgb cool = Mix({255, 120, 30}, {96, 88, 82}, (t - 0.25) * 2.2);
                const Rgb c = t < 0.3 ? hot : cool;
                cairo_arc(cr, x, y, std::max(r, 1.5), 0, 2 * M_PI);
                SetRgb(cr, Shade(c, 0.75));
                cairo_fill(cr);
                cairo_arc(cr, x - r * 0.25, y - r * 0.25, std::max(r * 0.6, 1.0), 0, 2 * M_PI);
                SetRgb(cr, c);
                cairo_fill(cr);
            }
            if (f < 5) {  // sparks
                for (int i = 0; i < 10; ++i) {
                    const double angle = i * 2 * M_PI / 10 + 0.3, d = 10 + f * 5;
                    cairo_arc(cr, 32 + std::cos(angle) * d, 32 + std::sin(angle) * d, 1.6, 0, 2 * M_PI);
                    SetRgb(cr, {255, 230, 120});
                    cairo_fill(cr);
                }
            }
        });
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
