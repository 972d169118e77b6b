#include "ui/bmp_decode.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

void Put16(std::string& b, uint32_t v) {
    b.push_back(static_cast<char>(v & 0xFF));
    b.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void Put32(std::string& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// A file header and a 40-byte information header; `extra` bytes (palette or
// masks) sit between the headers and the pixels.
std::string Headers(int width, int height, int bits, uint32_t compression, const std::string& extra,
                    size_t pixelBytes, uint32_t coloursUsed = 0) {
    std::string b = "BM";
    const uint32_t offset = 14 + 40 + static_cast<uint32_t>(extra.size());
    Put32(b, offset + static_cast<uint32_t>(pixelBytes));
    Put32(b, 0);
    Put32(b, offset);
    Put32(b, 40);
    Put32(b, static_cast<uint32_t>(width));
    Put32(b, static_cast<uint32_t>(height));
    Put16(b, 1);
    Put16(b, static_cast<uint32_t>(bits));
    Put32(b, compression);
    Put32(b, static_cast<uint32_t>(pixelBytes));
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, coloursUsed);
    Put32(b, 0);
    return b + extra;
}

TEST(DecodeBmp, TwentyFourBitRowsArePaddedAndStoredBottomUp) {
    // 3 by 2: each row is 9 bytes padded to 12. The bottom row comes first.
    std::string pixels;
    for (uint32_t colour : {0x0000FFu, 0x00FF00u, 0xFF0000u}) {  // bottom row
        pixels.push_back(static_cast<char>(colour & 0xFF));
        pixels.push_back(static_cast<char>((colour >> 8) & 0xFF));
        pixels.push_back(static_cast<char>(colour >> 16));
    }
    pixels.append(3, '\0');
    for (int i = 0; i < 3; ++i) pixels.append("\x10\x20\x30", 3);  // top row
    pixels.append(3, '\0');
    DecodedBitmap out;
    ASSERT_TRUE(DecodeBmp(Headers(3, 2, 24, 0, "", pixels.size()) + pixels, out));
    ASSERT_EQ(out.width, 3);
    ASSERT_EQ(out.height, 2);
    EXPECT_EQ(out.pixels[0], 0x302010u);
    EXPECT_EQ(out.pixels[3], 0x0000FFu);
    EXPECT_EQ(out.pixels[4], 0x00FF00u);
    EXPECT_EQ(out.pixels[5], 0xFF0000u);
}

TEST(DecodeBmp, PalettedPicturesLookUpTheirColours) {
    std::string palette;
    Put32(palette, 0x000000);
    Put32(palette, 0xAABBCC);
    std::string pixels = {'\x40', '\0', '\0', '\0'};  // 1 bit: 0100 0000
    DecodedBitmap out;
    ASSERT_TRUE(DecodeBmp(Headers(3, 1, 1, 0, palette, pixels.size()) + pixels, out));
    EXPECT_EQ(out.pixels, (std::vector<uint32_t>{0, 0xAABBCC, 0}));
    // An 8-bit picture that uses only two colours lists only those two.
    std::string bytes = {'\x01', '\x00', '\x01', '\0'};
    ASSERT_TRUE(DecodeBmp(Headers(3, 1, 8, 0, palette, bytes.size(), 2) + bytes, out));
    EXPECT_EQ(out.pixels, (std::vector<uint32_t>{0xAABBCC, 0, 0xAABBCC}));
}

TEST(DecodeBmp, ThirtyTwoBitTopDownDropsAlphaSoBlackStaysTheColourKey) {
    std::string pixels;
    Put32(pixels, 0xFF000000);
    Put32(pixels, 0x80123456);
    DecodedBitmap out;
    ASSERT_TRUE(DecodeBmp(Headers(1, -2, 32, 0, "", pixels.size()) + pixels, out));
    EXPECT_EQ(out.pixels, (std::vector<uint32_t>{0, 0x123456}));
}

TEST(DecodeBmp, SixteenBitMasksReachFullWhite) {
    std::string masks;
    Put32(masks, 0xF800);
    Put32(masks, 0x07E0);
    Put32(masks, 0x001F);
    std::string pixels;
    Put16(pixels, 0xFFFF);
    Put16(pixels, 0xF800);
    DecodedBitmap out;
    ASSERT_TRUE(DecodeBmp(Headers(2, 1, 16, 3, masks, pixels.size()) + pixels, out));
    EXPECT_EQ(out.pixels, (std::vector<uint32_t>{0xFFFFFF, 0xFF0000}));
}

TEST(DecodeBmp, DamagedOrUnsupportedFilesAreRefused) {
    DecodedBitmap out;
    const std::string row(4, '\x7F');
    const std::string good = Headers(1, 1, 24, 0, "", row.size()) + row;
    ASSERT_TRUE(DecodeBmp(good, out));
    EXPECT_FALSE(DecodeBmp("", out));
    EXPECT_FALSE(DecodeBmp(good.substr(0, good.size() - 1), out));  // pixels cut short
    EXPECT_FALSE(DecodeBmp("XY" + good.substr(2), out));
    EXPECT_FALSE(DecodeBmp(Headers(1, 1, 24, 1, "", row.size()) + row, out));  // run-length packed
    EXPECT_FALSE(DecodeBmp(Headers(1, 1, 12, 0, "", row.size()) + row, out));
    EXPECT_FALSE(DecodeBmp(Headers(0, 1, 24, 0, "", row.size()) + row, out));
    EXPECT_FALSE(DecodeBmp(Headers(1 << 20, 1 << 20, 24, 0, "", row.size()) + row, out));
    EXPECT_FALSE(DecodeBmp(Headers(1, INT32_MIN, 24, 0, "", row.size()) + row, out));
    std::string lying = good;
    lying[10] = '\xF0';  // the pixels said to start far beyond the end
    EXPECT_FALSE(DecodeBmp(lying, out));
}

}  // namespace
