#include "assetgen/wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace assetgen {

namespace {

void Put(std::vector<uint8_t>& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

}  // namespace

bool WriteWav(const std::string& path, const std::vector<float>& samples, int sampleRate) {
    const uint32_t dataBytes = uint32_t(samples.size() * 2);
    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    for (char c : std::string("RIFF")) out.push_back(uint8_t(c));
    Put(out, 36 + dataBytes, 4);
    for (char c : std::string("WAVEfmt ")) out.push_back(uint8_t(c));
    Put(out, 16, 4);
    Put(out, 1, 2);  // PCM
    Put(out, 1, 2);  // mono
    Put(out, uint32_t(sampleRate), 4);
    Put(out, uint32_t(sampleRate) * 2, 4);
    Put(out, 2, 2);
    Put(out, 16, 2);
    for (char c : std::string("data")) out.push_back(uint8_t(c));
    Put(out, dataBytes, 4);
    for (float s : samples) {
        const long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
        Put(out, uint32_t(int16_t(v)) & 0xFFFF, 2);
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.data()), std::streamsize(out.size()));
    return bool(file);
}

}  // namespace assetgen
