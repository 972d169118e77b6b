#pragma once
// Console fonts in the PSF1 and PSF2 formats (gzip-packed or plain).

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace assetgen {

class PsfFont {
public:
    bool Load(const std::string& path);
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Has(char32_t code) const { return glyphOf_.count(code) != 0; }
    // Whether the pixel at x, y of the glyph for code is set; unknown codes are blank.
    bool Pixel(char32_t code, int x, int y) const;

private:
    bool ParsePsf1(const std::vector<uint8_t>& in);
    bool ParsePsf2(const std::vector<uint8_t>& in);

    int width_ = 0, height_ = 0, bytesPerRow_ = 0, glyphBytes_ = 0;
    std::vector<uint8_t> glyphs_;
    std::map<char32_t, int> glyphOf_;
};

// The two faces of the game's fonts, loaded once from the console font folder.
const PsfFont& SmallFont();  // 8 x 16
const PsfFont& LargeFont();  // 16 x 32, bold

}  // namespace assetgen
