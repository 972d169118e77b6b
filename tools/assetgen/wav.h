#pragma once
// 16-bit PCM mono wave files.

#include <string>
#include <vector>

namespace assetgen {

constexpr int kSampleRate = 22050;

// Samples are in -1..1; anything beyond is clamped (the sounds are scaled
// well below full scale before they get here).
bool WriteWav(const std::string& path, const std::vector<float>& samples, int sampleRate = kSampleRate);

}  // namespace assetgen
