#pragma once
// Small helpers the art tests share: the key test in 16-bit terms and
// comparisons of pixel runs.

#include <cstdlib>

#include "assetgen/layout.h"
#include "assetgen/raster.h"

namespace kvtest {

using assetgen::Image;
using assetgen::Rgb;

inline bool IsKey(Rgb c) { return c == assetgen::kKey; }

// A colour that a 16-bit (5-6-5) display would turn into the key.
inline bool BecomesKeyIn16Bit(Rgb c) { return (c.r >> 3) == 0 && (c.g >> 2) == 0 && (c.b >> 3) == 0; }

inline int CountKey(const Image& image, Rect r) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += IsKey(image.At(x, y));
    return n;
}

inline int Distance(Rgb a, Rgb b) { return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b); }

}  // namespace kvtest
