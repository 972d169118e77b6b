// The drawing plumbing under the art: how cairo's anti-aliased edges reach
// colour-keyed sprites, and how console fonts are read.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "assetgen/canvas.h"
#include "assetgen/psf_font.h"
#include "support/temp_dir.h"
#include "tools/picture_checks.h"

namespace {

using namespace assetgen;
using namespace kvtest;

// Edge pixels keep the sprite's own colour instead of fading towards the
// black key (a dark fringe on every unit); drawn black stays opaque.
TEST(ArtCanvas, KeyedPastingNeitherBlendsEdgesNorKeysDrawnBlack) {
    Canvas canvas(32, 32);
    cairo_arc(canvas.Cr(), 16, 16, 10.3, 0, 2 * M_PI);
    cairo_set_source_rgb(canvas.Cr(), 0.8, 0.4, 0.2);
    cairo_fill(canvas.Cr());
    cairo_rectangle(canvas.Cr(), 0, 0, 2, 2);
    cairo_set_source_rgb(canvas.Cr(), 0, 0, 0);
    cairo_fill(canvas.Cr());
    Image sprite(32, 32);
    sprite.Fill(0, 0, 32, 32, {9, 9, 9});
    PasteKeyed(sprite, canvas, 0, 0);
    int opaque = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const Rgb c = sprite.At(x, y);
            if (IsKey(c) || (x < 2 && y < 2)) continue;
            ++opaque;
            EXPECT_LE(Distance(c, {204, 102, 51}), 6) << "edge pixel " << x << "," << y << " was blended";
        }
    EXPECT_NEAR(opaque, M_PI * 10.3 * 10.3, 20);
    EXPECT_FALSE(IsKey(sprite.At(1, 1)) || BecomesKeyIn16Bit(sprite.At(1, 1)));
    EXPECT_TRUE(IsKey(sprite.At(31, 31))) << "what was not drawn becomes the key";
}

void Write(const char* path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

using ConsoleFonts = InTempDir;

// Glyphs are found through the Unicode table in both versions of the format.
TEST_F(ConsoleFonts, GlyphsAreFoundThroughTheUnicodeTableAndBadFilesRefused) {
    // Version 2, two 8 x 2 glyphs: 0 blank, 1 with its left pixel lit on row 1.
    // Glyph 0 is the space; glyph 1 is A and the Greek capital alpha (two
    // bytes of UTF-8), then a combining sequence to skip.
    Write("two.psf", {0x72, 0xB5, 0x4A, 0x86, 0, 0, 0, 0, 32, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0,
                      2, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0x80, 0x20, 0xFF, 0x41, 0xCE, 0x91, 0xFE, 0x42, 0x43, 0xFF});
    PsfFont two;
    ASSERT_TRUE(two.Load("two.psf"));
    EXPECT_EQ((std::pair{two.Width(), two.Height()}), (std::pair{8, 2}));
    EXPECT_TRUE(two.Pixel(U'A', 0, 1) && two.Pixel(U'\u0391', 0, 1));
    EXPECT_FALSE(two.Pixel(U'A', 1, 1) || two.Pixel(U' ', 0, 1));
    EXPECT_FALSE(two.Has(U'B')) << "a member of a sequence is not a glyph of its own";

    std::vector<uint8_t> f = {0x36, 0x04, 0x02, 1};  // version 1: 256 glyphs of 8 x 1, with a table
    for (int g = 0; g < 256; ++g) f.push_back(g == 7 ? 0x01 : 0x00);
    for (int g = 0; g < 256; ++g) {
        if (g == 7) f.insert(f.end(), {0x5A, 0x00});  // 'Z'
        f.insert(f.end(), {0xFF, 0xFF});
    }
    Write("one.psf", f);
    PsfFont one;
    ASSERT_TRUE(one.Load("one.psf"));
    EXPECT_TRUE(one.Pixel(U'Z', 7, 0));
    EXPECT_FALSE(one.Pixel(U'Z', 6, 0) || one.Has(U'Y'));
    f.resize(100);  // glyphs cut short
    Write("cut.psf", f);
    for (const char* bad : {"cut.psf", "/nonexistent/font.psf.gz", KV_TEST_DATA}) EXPECT_FALSE(PsfFont().Load(bad)) << bad;
}

}  // namespace
