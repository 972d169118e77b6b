#pragma once
// The game's sound effects, one per event.

#include <string>
#include <vector>

namespace assetgen {

struct Sound {
    std::string file;  // name inside the Sounds folder, e.g. "Buzzer.wav"
    std::vector<float> samples;
};

std::vector<Sound> MakeSounds();

}  // namespace assetgen
