#include "assetgen/glyph_text.h"

#include "assetgen/canvas.h"
#include "assetgen/layout.h"

namespace assetgen {

namespace {

// Whether a blank pixel borders the glyph, so that letters keep a dark rim
// on light ground such as snow or sand.
bool Touches(const PsfFont& font, char32_t code, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (font.Pixel(code, x + dx, y + dy)) return true;
    return false;
}

// One glyph cell with a dark rim that stays inside the cell, so that the
// cell's colour-keyed background is pure black everywhere the glyph is not.
void DrawCell(Image& sheet, const PsfFont& font, char32_t code, int left, int top, Rgb high, Rgb low, Rgb shadow) {
    const int w = font.Width(), h = font.Height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (font.Pixel(code, x, y)) {
                sheet.Set(left + x, top + y, AwayFromKey(Mix(high, low, double(y) / (h - 1))));
            } else if (Touches(font, code, x, y)) {
                sheet.Set(left + x, top + y, AwayFromKey(shadow));
            }
        }
}

}  // namespace

void DrawSheetFonts(Image& sheet) {
    const PsfFont& large = LargeFont();
    const PsfFont& small = SmallFont();
    for (const Rect& strip : {sheet::kLargeFontStrip, sheet::kSmallFontStrip})
        sheet.Fill(strip.left, strip.top, strip.right, strip.bottom, kKey);
    for (int code = 32; code <= sheet::kLargeLastChar; ++code) {
        const Rect cell = sheet::GlyphCell(code, false);
        DrawCell(sheet, large, char32_t(code), cell.left, cell.top, {255, 252, 240}, {232, 204, 140}, {34, 28, 24});
    }
    for (int code = 32; code <= sheet::kSmallLastChar; ++code) {
        const Rect cell = sheet::GlyphCell(code, true);
        DrawCell(sheet, small, char32_t(code), cell.left, cell.top, {246, 246, 240}, {214, 218, 226}, {24, 24, 30});
    }
}

int TextWidth(const PsfFont& font, const std::string& text, int scale) {
    return int(text.size()) * font.Width() * scale;
}

int DrawGlyphText(cairo_t* cr, const PsfFont& font, double x, double y, const std::string& text,
                  const TextStyle& style) {
    const int s = style.scale, w = font.Width(), h = font.Height();
    auto paint = [&](double ox, double oy, bool shadowPass) {
        for (size_t i = 0; i < text.size(); ++i) {
            const char32_t code = static_cast<unsigned char>(text[i]);
            for (int gy = 0; gy < h; ++gy) {
                if (!shadowPass) SetRgb(cr, Mix(style.top, style.bottom, double(gy) / (h - 1)));
                for (int gx = 0; gx < w; ++gx)
                    if (font.Pixel(code, gx, gy))
                        cairo_rectangle(cr, ox + (int(i) * w + gx) * s, oy + gy * s, s, s);
                if (!shadowPass) cairo_fill(cr);
            }
        }
        if (shadowPass) {
            SetRgb(cr, style.shadow);
            cairo_fill(cr);
        }
    };
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    if (style.shadowOffset > 0) paint(x + style.shadowOffset * s, y + style.shadowOffset * s, true);
    paint(x, y, false);
    cairo_restore(cr);
    return TextWidth(font, text, s);
}

}  // namespace assetgen
