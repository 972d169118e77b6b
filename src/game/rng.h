#pragma once
#include <cstdint>

// The one random sequence of the whole game. Saved games, regrown worlds and
// computer turns all depend on this exact arithmetic (the classic C library
// srand/rand pair), so it must never change.
struct Rng {
    uint32_t state = 0;

    void Seed(uint32_t seed) { state = seed; }

    // One draw: 0..32767.
    int Draw() {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFF);
    }

    // "A draw below n": the integer part of r * n / 32768 in double precision.
    int Below(int n) {
        const int r = Draw();
        return static_cast<int>(static_cast<double>(r) * n / 32768.0);
    }
};
