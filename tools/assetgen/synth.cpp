#include "assetgen/synth.h"

#include <algorithm>
#include <cmath>

#include "assetgen/wav.h"

namespace assetgen {

namespace {

double Envelope(double t, double length, double decay) {
    const double attack = std::min(0.004, length / 4);
    const double release = std::min(0.015, length / 4);
    double e = t < attack ? t / attack : std::exp(-(t - attack) / decay);
    if (t > length - release) e *= std::max(0.0, (length - t) / release);
    return e;
}

}  // namespace

Track::Track(double seconds) : samples_(size_t(seconds * kSampleRate), 0.0) {}

void Track::Tone(double start, double length, double f0, double f1, double level, double decay, int harmonics) {
    const size_t first = size_t(start * kSampleRate);
    const size_t count = size_t(length * kSampleRate);
    double phase = 0;
    for (size_t i = 0; i < count && first + i < samples_.size(); ++i) {
        const double t = double(i) / kSampleRate;
        const double f = f0 * std::pow(f1 / f0, t / length);
        phase += 2 * M_PI * f / kSampleRate;
        double v = 0;
        for (int h = 1; h <= 2 * harmonics - 1; h += 2) v += std::sin(phase * h) / h;
        samples_[first + i] += level * v * Envelope(t, length, decay);
    }
}

void Track::Noise(double start, double length, double c0, double c1, double level, double decay) {
    const size_t first = size_t(start * kSampleRate);
    const size_t count = size_t(length * kSampleRate);
    double low = 0;
    for (size_t i = 0; i < count && first + i < samples_.size(); ++i) {
        const double t = double(i) / kSampleRate;
        noiseState_ = noiseState_ * 1664525u + 1013904223u;
        const double white = double(noiseState_ >> 8) / double(1u << 24) * 2 - 1;
        const double corner = c0 * std::pow(c1 / c0, t / length);
        const double k = 1 - std::exp(-2 * M_PI * corner / kSampleRate);
        low += k * (white - low);
        samples_[first + i] += level * low * Envelope(t, length, decay);
    }
}

void Track::Wobble(double start, double length, double rate, double depth) {
    const size_t first = size_t(start * kSampleRate);
    const size_t count = size_t(length * kSampleRate);
    for (size_t i = 0; i < count && first + i < samples_.size(); ++i) {
        const double t = double(i) / kSampleRate;
        samples_[first + i] *= 1 - depth * 0.5 * (1 + std::sin(2 * M_PI * rate * t));
    }
}

std::vector<float> Track::Finish(double peak) {
    double loudest = 1e-9;
    for (double s : samples_) loudest = std::max(loudest, std::abs(s));
    const size_t fade = std::min(samples_.size() / 4, size_t(0.01 * kSampleRate));
    std::vector<float> out(samples_.size());
    for (size_t i = 0; i < samples_.size(); ++i) {
        double v = samples_[i] / loudest * peak;
        if (i < fade) v *= double(i) / fade;
        if (samples_.size() - 1 - i < fade) v *= double(samples_.size() - 1 - i) / fade;
        out[i] = float(v);
    }
    return out;
}

}  // namespace assetgen
