#pragma once
// Deterministic noise that wraps around, so textures built from it tile.

#include <cstdint>

namespace assetgen {

uint32_t Hash(uint32_t a, uint32_t b, uint32_t c);
double Hash01(uint32_t a, uint32_t b, uint32_t c);  // 0..1

// Smooth value noise on a lattice of cellSize pixels that repeats every
// `period` pixels (period must be a multiple of cellSize). Returns 0..1.
double PeriodicNoise(uint32_t seed, double x, double y, int cellSize, int period);

// Sum of octaves from cellSize down to 2 pixels, each half the weight; 0..1.
double PeriodicFbm(uint32_t seed, double x, double y, int cellSize, int period);

}  // namespace assetgen
