#include "ui/text_layout.h"

#include "ui/sprite_layout.h"

int FontCellWidth(int size) { return size == kSmallFont ? sheet::kSmallCellWidth : sheet::kLargeCellWidth; }

int FontCellHeight(int size) { return size == kSmallFont ? sheet::kSmallCellHeight : sheet::kLargeCellHeight; }

int TextWidth(std::string_view text, int size) { return static_cast<int>(text.size()) * FontCellWidth(size); }

std::optional<Rect> GlyphSource(char c, int size) {
    // Bytes are taken as signed characters, so everything from 128 up falls
    // below the space and has no glyph.
    const int code = static_cast<signed char>(c);
    const bool small = size == kSmallFont;
    const int last = small ? sheet::kSmallLastChar : sheet::kLargeLastChar;
    if (code < 32 || code > last) return std::nullopt;
    return sheet::GlyphCell(code, small);
}
