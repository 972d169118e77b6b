// The drawing plumbing under the art: how cairo's anti-aliased edges reach
// colour-keyed sprites, how console fonts are read and where glyphs land.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "assetgen/canvas.h"
#include "assetgen/psf_font.h"
#include "assetgen/sprite_sheet.h"
#include "support/temp_dir.h"
#include "tools/picture_checks.h"

namespace {

using namespace assetgen;
using namespace kvtest;

TEST(ArtCanvas, KeyedEdgesKeepTheSpritesOwnColourInsteadOfFadingToBlack) {
    Canvas canvas(32, 32);
    cairo_arc(canvas.Cr(), 16, 16, 10.3, 0, 2 * M_PI);
    cairo_set_source_rgb(canvas.Cr(), 0.8, 0.4, 0.2);
    cairo_fill(canvas.Cr());
    Image sprite(32, 32);
    PasteKeyed(sprite, canvas, 0, 0);
    int opaque = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const Rgb c = sprite.At(x, y);
            const double d = std::hypot(x + 0.5 - 16, y + 0.5 - 16);
            if (IsKey(c)) {
                EXPECT_GT(d, 9.5) << x << "," << y;
                continue;
            }
            ++opaque;
            EXPECT_LT(d, 11.2) << x << "," << y;
            EXPECT_LE(Distance(c, {204, 102, 51}), 6) << "edge pixel " << x << "," << y << " was blended";
        }
    EXPECT_NEAR(opaque, M_PI * 10.3 * 10.3, 20);
}

TEST(ArtCanvas, DrawnBlackStaysOpaqueAndUncoveredPixelsBecomeTheKey) {
    Canvas canvas(8, 8);
    cairo_rectangle(canvas.Cr(), 0, 0, 4, 8);
    cairo_set_source_rgb(canvas.Cr(), 0, 0, 0);
    cairo_fill(canvas.Cr());
    Image sprite(8, 8);
    sprite.Fill(0, 0, 8, 8, {9, 9, 9});
    PasteKeyed(sprite, canvas, 0, 0);
    EXPECT_FALSE(IsKey(sprite.At(1, 1)));
    EXPECT_FALSE(BecomesKeyIn16Bit(sprite.At(1, 1)));
    EXPECT_TRUE(IsKey(sprite.At(6, 1)));
    // Blending over keeps what was underneath where nothing was drawn.
    Image under(8, 8);
    under.Fill(0, 0, 8, 8, {100, 150, 200});
    PasteOver(under, canvas, 0, 0);
    EXPECT_EQ(under.At(6, 6), (Rgb{100, 150, 200}));
    EXPECT_EQ(under.At(2, 6), (Rgb{0, 0, 0}));
}

void WriteBytes(const char* path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

class ConsoleFonts : public InTempDir {};

TEST_F(ConsoleFonts, Psf2GlyphsAreFoundThroughTheUnicodeTable) {
    // Two 8 x 2 glyphs: glyph 0 blank, glyph 1 with its left pixel lit on row 1.
    std::vector<uint8_t> f = {0x72, 0xB5, 0x4A, 0x86, 0, 0, 0, 0, 32, 0, 0, 0, 1, 0, 0, 0,
                              2,    0,    0,    0,    2, 0, 0, 0, 2,  0, 0, 0, 8, 0, 0, 0};
    for (uint8_t b : {0x00, 0x00, 0x00, 0x80}) f.push_back(b);
    // Table: glyph 0 is the space; glyph 1 is A and the Greek capital alpha
    // (U+0391, two bytes of UTF-8), followed by a combining sequence to skip.
    for (uint8_t b : {0x20, 0xFF, 0x41, 0xCE, 0x91, 0xFE, 0x42, 0x43, 0xFF}) f.push_back(b);
    WriteBytes("tiny.psf", f);
    PsfFont font;
    ASSERT_TRUE(font.Load("tiny.psf"));
    EXPECT_EQ(font.Width(), 8);
    EXPECT_EQ(font.Height(), 2);
    EXPECT_TRUE(font.Pixel(U'A', 0, 1));
    EXPECT_TRUE(font.Pixel(U'\u0391', 0, 1));
    EXPECT_FALSE(font.Pixel(U'A', 1, 1));
    EXPECT_FALSE(font.Pixel(U' ', 0, 1));
    EXPECT_FALSE(font.Has(U'B')) << "a member of a sequence is not a glyph of its own";
}

TEST_F(ConsoleFonts, Psf1GlyphsAreFoundThroughTheUnicodeTableAndBadFilesRefused) {
    std::vector<uint8_t> f = {0x36, 0x04, 0x02, 1};  // 256 glyphs of 8 x 1, with a table
    for (int g = 0; g < 256; ++g) f.push_back(g == 7 ? 0x01 : 0x00);
    for (int g = 0; g < 256; ++g) {
        if (g == 7) f.insert(f.end(), {0x5A, 0x00});  // 'Z'
        f.insert(f.end(), {0xFF, 0xFF});
    }
    WriteBytes("tiny1.psf", f);
    PsfFont font;
    ASSERT_TRUE(font.Load("tiny1.psf"));
    EXPECT_EQ(font.Height(), 1);
    EXPECT_TRUE(font.Pixel(U'Z', 7, 0));
    EXPECT_FALSE(font.Pixel(U'Z', 6, 0));
    EXPECT_FALSE(font.Has(U'Y'));
    f.resize(100);  // glyphs cut short
    WriteBytes("cut.psf", f);
    EXPECT_FALSE(PsfFont().Load("cut.psf"));
    EXPECT_FALSE(PsfFont().Load("/nonexistent/font.psf.gz"));
    EXPECT_FALSE(PsfFont().Load(KV_TEST_DATA));  // a folder, not a font
}

}  // namespace
