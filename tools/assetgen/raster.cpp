#include "assetgen/raster.h"

#include <algorithm>

#include "platform/bmp_writer.h"

namespace assetgen {

void Image::Fill(int left, int top, int right, int bottom, Rgb c) {
    for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y)
        for (int x = std::max(left, 0); x < std::min(right, width_); ++x) pixels_[size_t(y) * width_ + x] = c;
}

void Image::Paste(const Image& from, int fromLeft, int fromTop, int w, int h, int toLeft, int toTop) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (from.Contains(fromLeft + x, fromTop + y)) Set(toLeft + x, toTop + y, from.At(fromLeft + x, fromTop + y));
}

Rgb AwayFromKey(Rgb c) {
    constexpr uint8_t kLow = 16;
    if (c.r < kLow && c.g < kLow && c.b < kLow) return {kLow, kLow, uint8_t(kLow + 4)};
    return c;
}

bool WriteBmp(const Image& image, const std::string& path) {
    std::vector<uint32_t> pixels(size_t(image.Width()) * image.Height());
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const Rgb c = image.At(x, y);
            pixels[size_t(y) * image.Width() + x] = uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b;
        }
    return WriteBmpFile(path, pixels.data(), image.Width(), image.Height(), image.Width());
}

}  // namespace assetgen
