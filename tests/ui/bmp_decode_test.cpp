#include "ui/bmp_decode.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// Each value written little-endian in the given number of bytes.
std::string Le(std::initializer_list<std::pair<uint32_t, int>> fields) {
    std::string b;
    for (auto [value, bytes] : fields)
        for (int i = 0; i < bytes; ++i) b.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    return b;
}

// A file header and a 40-byte information header; `extra` bytes (palette or
// masks) sit between the headers and the pixels.
std::string Headers(int width, int height, int bits, uint32_t compression, const std::string& extra,
                    size_t pixelBytes, uint32_t coloursUsed = 0) {
    const uint32_t offset = 14 + 40 + static_cast<uint32_t>(extra.size()), size = static_cast<uint32_t>(pixelBytes);
    return "BM" + Le({{offset + size, 4}, {0, 4}, {offset, 4}, {40, 4}, {static_cast<uint32_t>(width), 4},
                      {static_cast<uint32_t>(height), 4}, {1, 2}, {static_cast<uint32_t>(bits), 2}, {compression, 4},
                      {size, 4}, {2835, 4}, {2835, 4}, {coloursUsed, 4}, {0, 4}}) + extra;
}

TEST(DecodeBmp, EveryDepthTheGameMeetsGivesTopDownPixelsWithoutAlpha) {
    struct Case { const char* what; std::string file; int width, height; std::vector<uint32_t> pixels; };
    // 24 bits, 3 by 2: rows of 9 bytes padded to 12, the bottom row first.
    const std::string rgb = std::string("\xFF\0\0\0\xFF\0\0\0\xFF\0\0\0", 12) +
                            std::string("\x10\x20\x30\x10\x20\x30\x10\x20\x30\0\0\0", 12);
    const std::string palette = Le({{0x000000, 4}, {0xAABBCC, 4}});
    const std::string masks = Le({{0xF800, 4}, {0x07E0, 4}, {0x001F, 4}});
    const Case cases[] = {
        {"24 bits", Headers(3, 2, 24, 0, "", 24) + rgb, 3, 2, {0x302010, 0x302010, 0x302010, 0x0000FF, 0x00FF00, 0xFF0000}},
        {"1 bit", Headers(3, 1, 1, 0, palette, 4) + std::string("\x40\0\0\0", 4), 3, 1, {0, 0xAABBCC, 0}},
        // An 8-bit picture that uses only two colours lists only those two.
        {"8 bits", Headers(3, 1, 8, 0, palette, 4, 2) + std::string("\x01\x00\x01\0", 4), 3, 1, {0xAABBCC, 0, 0xAABBCC}},
        // Top-down, and the alpha dropped so that black stays the colour key.
        {"32 bits", Headers(1, -2, 32, 0, "", 8) + Le({{0xFF000000, 4}, {0x80123456, 4}}), 1, 2, {0, 0x123456}},
        {"16 bits", Headers(2, 1, 16, 3, masks, 4) + Le({{0xFFFF, 2}, {0xF800, 2}}), 2, 1, {0xFFFFFF, 0xFF0000}},
    };
    for (const Case& c : cases) {
        DecodedBitmap out;
        ASSERT_TRUE(DecodeBmp(c.file, out)) << c.what;
        EXPECT_EQ(std::tie(out.width, out.height, out.pixels), std::tie(c.width, c.height, c.pixels)) << c.what;
    }
}

TEST(DecodeBmp, DamagedOrUnsupportedFilesAreRefused) {
    DecodedBitmap out;
    const std::string row(4, '\x7F');
    const std::string good = Headers(1, 1, 24, 0, "", row.size()) + row;
    ASSERT_TRUE(DecodeBmp(good, out));
    std::string lying = good;
    lying[10] = '\xF0';
    // Empty, pixels cut short, wrong magic, pixels past the end, run-length packed, 12 bits, no width, too big,
    // no height.
    const std::string bad[] = {std::string(), good.substr(0, good.size() - 1), "XY" + good.substr(2), lying,
                               Headers(1, 1, 24, 1, "", 4) + row, Headers(1, 1, 12, 0, "", 4) + row,
                               Headers(0, 1, 24, 0, "", 4) + row, Headers(1 << 20, 1 << 20, 24, 0, "", 4) + row,
                               Headers(1, INT32_MIN, 24, 0, "", 4) + row};
    for (size_t i = 0; i < std::size(bad); ++i) EXPECT_FALSE(DecodeBmp(bad[i], out)) << "row " << i;
}

}  // namespace
