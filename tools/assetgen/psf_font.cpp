#include "assetgen/psf_font.h"

#include <zlib.h>

#include <cstdio>
#include <cstdlib>

namespace assetgen {

namespace {

std::vector<uint8_t> ReadGzip(const std::string& path) {
    std::vector<uint8_t> out;
    gzFile file = gzopen(path.c_str(), "rb");
    if (!file) return out;
    uint8_t buffer[16384];
    int got;
    while ((got = gzread(file, buffer, sizeof buffer)) > 0) out.insert(out.end(), buffer, buffer + got);
    gzclose(file);
    return out;
}

uint32_t Le32(const std::vector<uint8_t>& in, size_t at) {
    return in[at] | (in[at + 1] << 8) | (in[at + 2] << 16) | (uint32_t(in[at + 3]) << 24);
}

// Decodes one UTF-8 sequence of a PSF2 unicode table entry.
char32_t NextUtf8(const std::vector<uint8_t>& in, size_t& at) {
    const uint8_t lead = in[at++];
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t code = extra == 3 ? lead & 0x07 : extra == 2 ? lead & 0x0F : extra == 1 ? lead & 0x1F : lead;
    while (extra-- > 0 && at < in.size()) code = (code << 6) | (in[at++] & 0x3F);
    return code;
}

}  // namespace

bool PsfFont::Load(const std::string& path) {
    const std::vector<uint8_t> in = ReadGzip(path);  // gzread also reads plain files
    if (in.size() >= 4 && in[0] == 0x36 && in[1] == 0x04) return ParsePsf1(in);
    if (in.size() >= 32 && Le32(in, 0) == 0x864AB572u) return ParsePsf2(in);
    return false;
}

bool PsfFont::ParsePsf1(const std::vector<uint8_t>& in) {
    const int mode = in[2];
    const int count = (mode & 1) ? 512 : 256;
    width_ = 8;
    height_ = in[3];
    bytesPerRow_ = 1;
    glyphBytes_ = height_;
    const size_t end = 4 + size_t(count) * glyphBytes_;
    if (in.size() < end) return false;
    glyphs_.assign(in.begin() + 4, in.begin() + end);
    if (!(mode & 2)) {
        for (int g = 0; g < count; ++g) glyphOf_.emplace(char32_t(g), g);
        return true;
    }
    size_t at = end;
    for (int g = 0; g < count && at + 1 < in.size(); ++g) {
        bool inSequence = false;
        for (; at + 1 < in.size(); at += 2) {
            const uint16_t u = uint16_t(in[at] | (in[at + 1] << 8));
            if (u == 0xFFFF) break;
            if (u == 0xFFFE) inSequence = true;
            else if (!inSequence) glyphOf_.emplace(char32_t(u), g);
        }
        at += 2;
    }
    return true;
}

bool PsfFont::ParsePsf2(const std::vector<uint8_t>& in) {
    const uint32_t headerSize = Le32(in, 8), flags = Le32(in, 12), count = Le32(in, 16);
    glyphBytes_ = int(Le32(in, 20));
    height_ = int(Le32(in, 24));
    width_ = int(Le32(in, 28));
    bytesPerRow_ = (width_ + 7) / 8;
    const size_t end = headerSize + size_t(count) * glyphBytes_;
    if (in.size() < end || bytesPerRow_ * height_ > glyphBytes_) return false;
    glyphs_.assign(in.begin() + headerSize, in.begin() + end);
    if (!(flags & 1)) {
        for (uint32_t g = 0; g < count; ++g) glyphOf_.emplace(char32_t(g), int(g));
        return true;
    }
    size_t at = end;
    for (uint32_t g = 0; g < count && at < in.size(); ++g) {
        bool inSequence = false;
        while (at < in.size() && in[at] != 0xFF) {
            if (in[at] == 0xFE) {
                inSequence = true;
                ++at;
                continue;
            }
            const char32_t code = NextUtf8(in, at);
            if (!inSequence) glyphOf_.emplace(code, int(g));
        }
        ++at;
    }
    return true;
}

bool PsfFont::Pixel(char32_t code, int x, int y) const {
    const auto found = glyphOf_.find(code);
    if (found == glyphOf_.end() || x < 0 || y < 0 || x >= width_ || y >= height_) return false;
    const uint8_t row = glyphs_[size_t(found->second) * glyphBytes_ + size_t(y) * bytesPerRow_ + x / 8];
    return (row >> (7 - x % 8)) & 1;
}

namespace {

const PsfFont& LoadOrDie(const char* file) {
    static std::map<std::string, PsfFont> loaded;
    auto [it, fresh] = loaded.try_emplace(file);
    if (fresh) {
        const std::string path = std::string(KV_CONSOLE_FONTS) + "/" + file;
        if (!it->second.Load(path)) {
            std::fprintf(stderr, "assetgen: cannot read the console font %s (package console-setup-linux)\n",
                         path.c_str());
            std::exit(1);
        }
    }
    return it->second;
}

}  // namespace

const PsfFont& SmallFont() { return LoadOrDie("Uni2-Terminus16.psf.gz"); }
const PsfFont& LargeFont() { return LoadOrDie("Uni2-TerminusBold32x16.psf.gz"); }

}  // namespace assetgen
