// Wave files: a valid 16-bit mono PCM header, the names the game plays,
// short, never clipped, never silent, and no two alike.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <set>

#include "assetgen/sounds.h"
#include "assetgen/wav.h"
#include "support/read_file.h"
#include "support/temp_dir.h"

namespace {

using namespace assetgen;

// The samples of a 16-bit mono PCM wave whose header agrees with its size and rate, or nothing.
std::optional<std::vector<int16_t>> ReadWave(const std::string& path) {
    const std::string b = ReadFile(path);
    const auto le = [&](size_t at, int bytes) {
        uint32_t v = 0;
        for (int i = 0; i < bytes; ++i) v |= uint32_t(uint8_t(b[at + i])) << (8 * i);
        return v;
    };
    if (b.size() < 44 || b.compare(0, 4, "RIFF") || b.compare(8, 8, "WAVEfmt ") || b.compare(36, 4, "data") ||
        le(16, 4) != 16 || le(20, 2) != 1 || le(22, 2) != 1 || le(34, 2) != 16 || le(32, 2) != 2 ||
        le(4, 4) != b.size() - 8 || le(40, 4) != b.size() - 44 || le(24, 4) != uint32_t(kSampleRate) ||
        le(28, 4) != uint32_t(kSampleRate) * 2) return std::nullopt;
    std::vector<int16_t> samples;
    for (size_t at = 44; at + 1 < b.size(); at += 2) samples.push_back(int16_t(le(at, 2)));
    return samples;
}

using ArtSounds = InTempDir;

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
        EXPECT_TRUE(seconds > 0.03 && seconds < 2.5) << s.file << " lasts " << seconds;
        int peak = 0;
        for (int16_t v : *w) peak = std::max(peak, std::abs(int(v)));
        EXPECT_TRUE(peak > 8000 && peak < 30000) << s.file << " peaks at " << peak;
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

}  // namespace
