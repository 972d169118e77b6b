#pragma once
// A tiny additive synthesiser: every sound is a sum of voices laid onto one
// buffer, then shaped so that it starts and ends softly and peaks well below
// full scale.

#include <cstdint>
#include <vector>

namespace assetgen {

class Track {
public:
    explicit Track(double seconds);

    // A tone gliding from f0 to f1 Hz, decaying exponentially (decay = time
    // to fall to about a third), with a short attack. harmonics > 1 adds odd
    // overtones for a reedier colour.
    void Tone(double start, double length, double f0, double f1, double level, double decay, int harmonics = 1);
    // Noise through a one-pole low-pass whose corner glides from c0 to c1 Hz.
    void Noise(double start, double length, double c0, double c1, double level, double decay);
    // Tremolo: multiplies a span by a slow wobble of the given depth.
    void Wobble(double start, double length, double rate, double depth);
    // Scales the loudest sample to peak and fades both ends; returns the samples.
    std::vector<float> Finish(double peak = 0.7);

private:
    std::vector<double> samples_;
    uint32_t noiseState_ = 12345;
};

}  // namespace assetgen
