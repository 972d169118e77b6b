#include "ui/pixel_copy.h"

#include <cstddef>
#include <cstring>
#include <vector>

namespace {

// Pixels are taken in groups of a fixed size so that the compiler turns
// each group into a few vector instructions even at -O2; the rest of the
// row goes one by one.
constexpr int kGroup = 8;

// Leaves the target pixel where the source one is keyed out. `span` is
// high - low, so one unsigned comparison tests both ends of the range.
inline uint32_t KeyedPixel(uint32_t source, uint32_t target, uint32_t low, uint32_t span) {
    return source - low <= span ? target : source;
}

void CopyKeyedRow(const uint32_t* __restrict from, uint32_t* __restrict to, int count,
                  uint32_t low, uint32_t span) {
    int x = 0;
    for (; x + kGroup <= count; x += kGroup)
        for (int k = 0; k < kGroup; ++k) to[x + k] = KeyedPixel(from[x + k], to[x + k], low, span);
    for (; x < count; ++x) to[x] = KeyedPixel(from[x], to[x], low, span);
}

size_t Offset(int row, int pitch) { return static_cast<size_t>(row) * static_cast<size_t>(pitch); }

}  // namespace

void CopyPixels(const SourcePixels& from, const TargetPixels& to, const PixelKey& key) {
    const uint32_t span = key.high - key.low;
    for (int y = 0; y < to.height; ++y) {
        const uint32_t* source = from.pixels + Offset(y, from.pitch);
        uint32_t* target = to.pixels + Offset(y, to.pitch);
        if (key.on)
            CopyKeyedRow(source, target, to.width, key.low, span);
        else
            std::memcpy(target, source, static_cast<size_t>(to.width) * sizeof(uint32_t));
    }
}

void StretchPixels(const SourcePixels& from, const TargetPixels& to, const PixelKey& key) {
    // The source column of every target column, worked out once per copy.
    std::vector<int> columns(static_cast<size_t>(to.width));
    for (int x = 0; x < to.width; ++x)
        columns[static_cast<size_t>(x)] =
            static_cast<int>(static_cast<int64_t>(x) * from.width / to.width);
    const uint32_t span = key.high - key.low;
    int previousRow = -1;
    for (int y = 0; y < to.height; ++y) {
        const int row = static_cast<int>(static_cast<int64_t>(y) * from.height / to.height);
        uint32_t* target = to.pixels + Offset(y, to.pitch);
        if (!key.on && row == previousRow) {
            // A row made taller: the target row above already holds it.
            std::memcpy(target, target - to.pitch, static_cast<size_t>(to.width) * sizeof(uint32_t));
            continue;
        }
        previousRow = row;
        const uint32_t* source = from.pixels + Offset(row, from.pitch);
        for (int x = 0; x < to.width; ++x) {
            const uint32_t pixel = source[columns[static_cast<size_t>(x)]];
            target[x] = key.on ? KeyedPixel(pixel, target[x], key.low, span) : pixel;
        }
    }
}
