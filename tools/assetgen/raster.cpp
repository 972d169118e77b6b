#include "assetgen/raster.h"

#include <algorithm>
#include <fstream>

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

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}
uint32_t Get32(const std::vector<uint8_t>& in, size_t at) {
    return in[at] | (in[at + 1] << 8) | (in[at + 2] << 16) | (uint32_t(in[at + 3]) << 24);
}
uint16_t Get16(const std::vector<uint8_t>& in, size_t at) { return uint16_t(in[at] | (in[at + 1] << 8)); }

}  // namespace

bool WriteBmp(const Image& image, const std::string& path) {
    const uint32_t stride = (uint32_t(image.Width()) * 3 + 3) & ~3u;
    const uint32_t dataSize = stride * uint32_t(image.Height());
    std::vector<uint8_t> out;
    out.reserve(54 + dataSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, 54 + dataSize);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);  // BITMAPINFOHEADER
    Put32(out, uint32_t(image.Width()));
    Put32(out, uint32_t(image.Height()));  // positive: rows stored bottom-up
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);  // BI_RGB
    Put32(out, dataSize);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = image.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.Width(); ++x) {
            const Rgb c = image.At(x, y);
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
        for (uint32_t pad = uint32_t(image.Width()) * 3; pad < stride; ++pad) out.push_back(0);
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.data()), std::streamsize(out.size()));
    return bool(file);
}

bool ReadBmp(const std::string& path, Image& image) {
    std::ifstream file(path, std::ios::binary);
    std::vector<uint8_t> in((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (in.size() < 54 || in[0] != 'B' || in[1] != 'M') return false;
    const uint32_t offset = Get32(in, 10);
    const int32_t width = int32_t(Get32(in, 18));
    const int32_t rawHeight = int32_t(Get32(in, 22));
    if (Get16(in, 28) != 24 || Get32(in, 30) != 0 || width <= 0 || rawHeight == 0) return false;
    const int height = rawHeight < 0 ? -rawHeight : rawHeight;
    const size_t stride = (size_t(width) * 3 + 3) & ~size_t(3);
    if (offset + stride * height > in.size()) return false;
    image = Image(width, height);
    for (int row = 0; row < height; ++row) {
        const int y = rawHeight > 0 ? height - 1 - row : row;
        const uint8_t* p = in.data() + offset + stride * row;
        for (int x = 0; x < width; ++x) image.Set(x, y, {p[3 * x + 2], p[3 * x + 1], p[3 * x]});
    }
    return true;
}

}  // namespace assetgen
