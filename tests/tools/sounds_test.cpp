// Wave files: a valid 16-bit mono PCM header, the names the game plays,
// short, never clipped, never silent, and no two alike.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <optional>
#include <set>

#include "assetgen/sounds.h"
#include "assetgen/wav.h"
#include "support/temp_dir.h"

namespace {

using namespace assetgen;

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v |= uint32_t(b[at + i]) << (8 * i);
    return v;
}

// The samples of a 16-bit mono PCM wave whose header agrees with its size,
// or nothing.
std::optional<std::vector<int16_t>> ReadWave(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<uint8_t> b((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (b.size() < 44 || std::memcmp(b.data(), "RIFF", 4) || std::memcmp(b.data() + 8, "WAVEfmt ", 8) ||
        std::memcmp(b.data() + 36, "data", 4))
        return std::nullopt;
    const uint32_t rate = Le(b, 24, 4);
    if (Le(b, 16, 4) != 16 || Le(b, 20, 2) != 1 || Le(b, 22, 2) != 1 || Le(b, 34, 2) != 16 || Le(b, 32, 2) != 2 ||
        Le(b, 4, 4) != b.size() - 8 || Le(b, 40, 4) != b.size() - 44 || Le(b, 28, 4) != rate * 2 ||
        rate != uint32_t(kSampleRate))
        return std::nullopt;
    std::vector<int16_t> samples;
    for (size_t at = 44; at + 1 < b.size(); at += 2) samples.push_back(int16_t(Le(b, at, 2)));
    return samples;
}

class ArtSounds : public InTempDir {};

TEST_F(ArtSounds, EveryEventHasAValidShortCleanWave) {
    const std::vector<Sound> sounds = MakeSounds();
    std::set<std::string> names;
    std::set<std::vector<int16_t>> distinct;
    for (const Sound& s : sounds) {
        names.insert(s.file);
        ASSERT_TRUE(WriteWav(s.file, s.samples)) << s.file;
        const auto w = ReadWave(s.file);
        ASSERT_TRUE(w) << s.file;
        const double seconds = double(w->size()) / kSampleRate;
        EXPECT_GT(seconds, 0.03) << s.file;
        EXPECT_LT(seconds, 2.5) << s.file;
        int peak = 0;
        for (int16_t v : *w) peak = std::max(peak, std::abs(int(v)));
        EXPECT_LT(peak, 30000) << s.file << " reaches full scale";
        EXPECT_GT(peak, 8000) << s.file << " is too quiet";
        EXPECT_LT(std::abs(w->front()) + std::abs(w->back()), 200) << s.file << " starts or ends with a click";
        distinct.insert(*w);
    }
    EXPECT_EQ(distinct.size(), sounds.size());
    for (const char* needed :
         {"Button-Click.wav", "Buzzer.wav", "Start.wav", "Select-Unit.wav", "Select-Base.wav", "Move-Standard.wav",
          "Move-Air.wav", "Move-Tank.wav", "Attack-Standard.wav", "Attack-Air.wav", "Attack-Tank.wav",
          "Attack-Artillery.wav", "Attack-Base.wav", "Explosion-Unit.wav", "Explosion-Base.wav",
          "Explosion-Player.wav", "Special-Stinger.wav", "Special-Firebomb.wav", "Special-Free-Attack.wav",
          "Special-Direct-Hit.wav"})
        EXPECT_TRUE(names.count(needed)) << needed;
}

TEST_F(ArtSounds, OutOfRangeSamplesAreClampedNotWrapped) {
    ASSERT_TRUE(WriteWav("edge.wav", {0.0f, 1.5f, -1.5f, 1.0f, -1.0f, 0.5f}));
    EXPECT_EQ(ReadWave("edge.wav"), (std::vector<int16_t>{0, 32767, -32767, 32767, -32767, 16384}));
}

}  // namespace
