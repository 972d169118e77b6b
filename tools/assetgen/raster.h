#pragma once
// A plain 24-bit picture, written as a BMP file by the game's own writer.

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// Pure black is the colour key of every picture the game blits: it means
// "transparent" wherever the game copies with the key.
constexpr Rgb kKey{0, 0, 0};

class Image {
public:
    Image() = default;
    Image(int width, int height) : width_(width), height_(height), pixels_(size_t(width) * height) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    Rgb At(int x, int y) const { return pixels_[size_t(y) * width_ + x]; }
    void Set(int x, int y, Rgb c) {
        if (Contains(x, y)) pixels_[size_t(y) * width_ + x] = c;
    }
    void Fill(int left, int top, int right, int bottom, Rgb c);
    // Copies a part of another picture; used to lift terrain cells and sheet regions.
    void Paste(const Image& from, int fromLeft, int fromTop, int w, int h, int toLeft, int toTop);

private:
    int width_ = 0, height_ = 0;
    std::vector<Rgb> pixels_;
};

// The picture as the 24-bit BMP file the game's own writer makes.
bool WriteBmp(const Image& image, const std::string& path);

// Keeps an opaque colour away from the key: in a 16-bit display mode any
// colour whose channels fall below one step of 5-6-5 would turn into the key.
Rgb AwayFromKey(Rgb c);

}  // namespace assetgen
