#include "ui/bmp_decode.h"

#include <bit>

namespace {

constexpr uint32_t kRgb = 0;
constexpr uint32_t kBitFields = 3;
constexpr int kMaxSide = 16384;

uint32_t Read16(const std::string& b, size_t at) {
    return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8;
}
uint32_t Read32(const std::string& b, size_t at) {
    return Read16(b, at) | Read16(b, at + 2) << 16;
}

// Scales a masked channel to 8 bits, so 5- and 6-bit channels reach full white.
uint32_t Channel(uint32_t value, uint32_t mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const int bits = std::popcount(mask);
    const uint32_t raw = (value & mask) >> shift;
    const uint32_t max = bits >= 32 ? 0xFFFFFFFFu : (1u << bits) - 1;
    return static_cast<uint32_t>((static_cast<uint64_t>(raw) * 255 + max / 2) / max);
}

struct Header {
    size_t pixelOffset = 0;
    size_t headerSize = 0;
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitCount = 0;
    uint32_t compression = 0;
    uint32_t paletteCount = 0;
    uint32_t masks[3] = {0, 0, 0};
};

bool ReadHeader(const std::string& b, Header& h) {
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return false;
    h.pixelOffset = Read32(b, 10);
    h.headerSize = Read32(b, 14);
    if (h.headerSize < 40 || 14 + h.headerSize > b.size()) return false;
    h.width = static_cast<int32_t>(Read32(b, 18));
    const int64_t height = static_cast<int32_t>(Read32(b, 22));
    h.topDown = height < 0;
    const int64_t rows = h.topDown ? -height : height;
    if (rows > kMaxSide) return false;
    h.height = static_cast<int>(rows);
    h.bitCount = static_cast<int>(Read16(b, 28));
    h.compression = Read32(b, 30);
    h.paletteCount = Read32(b, 46);
    if (h.width <= 0 || h.height <= 0 || h.width > kMaxSide || h.height > kMaxSide) return false;
    if (h.compression != kRgb && h.compression != kBitFields) return false;
    if (h.compression == kBitFields) {
        if (h.bitCount != 16 && h.bitCount != 32) return false;
        // The masks follow a 40-byte header, or are part of a longer one.
        const size_t at = 14 + 40;
        if (at + 12 > b.size()) return false;
        for (int i = 0; i < 3; ++i) h.masks[i] = Read32(b, at + 4 * i);
    } else if (h.bitCount == 16) {
        h.masks[0] = 0x7C00, h.masks[1] = 0x03E0, h.masks[2] = 0x001F;
    } else if (h.bitCount == 32) {
        h.masks[0] = 0xFF0000, h.masks[1] = 0x00FF00, h.masks[2] = 0x0000FF;
    }
    switch (h.bitCount) {
        case 1: case 4: case 8: case 16: case 24: case 32: return true;
        default: return false;
    }
}

bool ReadPalette(const std::string& b, const Header& h, std::vector<uint32_t>& palette) {
    if (h.bitCount > 8) return true;
    const uint32_t full = 1u << h.bitCount;
    const uint32_t count = h.paletteCount == 0 || h.paletteCount > full ? full : h.paletteCount;
    const size_t at = 14 + h.headerSize + (h.compression == kBitFields && h.headerSize == 40 ? 12 : 0);
    if (at + 4 * static_cast<size_t>(count) > b.size()) return false;
    palette.assign(full, 0);
    for (uint32_t i = 0; i < count; ++i) palette[i] = Read32(b, at + 4 * i) & 0xFFFFFF;
    return true;
}

uint32_t PixelAt(const std::string& b, size_t row, int x, const Header& h, const std::vector<uint32_t>& palette) {
    switch (h.bitCount) {
        case 24: {
            const size_t at = row + 3 * static_cast<size_t>(x);
            return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8 |
                   static_cast<uint8_t>(b[at + 2]) << 16;
        }
        case 16:
        case 32: {
            const uint32_t v = h.bitCount == 16 ? Read16(b, row + 2 * static_cast<size_t>(x))
                                                : Read32(b, row + 4 * static_cast<size_t>(x));
            return Channel(v, h.masks[0]) << 16 | Channel(v, h.masks[1]) << 8 | Channel(v, h.masks[2]);
        }
        default: {
            const int perByte = 8 / h.bitCount;
            const uint8_t byte = static_cast<uint8_t>(b[row + static_cast<size_t>(x / perByte)]);
            const int shift = 8 - h.bitCount * (x % perByte + 1);
            return palette[(byte >> shift) & ((1u << h.bitCount) - 1)];
        }
    }
}

}  // namespace

bool DecodeBmp(const std::string& bytes, DecodedBitmap& out) {
    Header h;
    std::vector<uint32_t> palette;
    if (!ReadHeader(bytes, h) || !ReadPalette(bytes, h, palette)) return false;
    const size_t stride = (static_cast<size_t>(h.width) * h.bitCount + 31) / 32 * 4;
    if (h.pixelOffset > bytes.size() || stride * h.height > bytes.size() - h.pixelOffset) return false;
    out.width = h.width;
    out.height = h.height;
    // Filled as decoded, without zeroing megabytes first.
    out.pixels.clear();
    out.pixels.reserve(static_cast<size_t>(h.width) * h.height);
    for (int y = 0; y < h.height; ++y) {
        const int fileRow = h.topDown ? y : h.height - 1 - y;
        const size_t row = h.pixelOffset + stride * fileRow;
        for (int x = 0; x < h.width; ++x) out.pixels.push_back(PixelAt(bytes, row, x, h, palette));
    }
    return true;
}
