#include "assetgen/noise.h"

#include <cmath>

namespace assetgen {

uint32_t Hash(uint32_t a, uint32_t b, uint32_t c) {
    uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ (c + 0x165667B1u) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

double Hash01(uint32_t a, uint32_t b, uint32_t c) { return (Hash(a, b, c) & 0xFFFFFF) / double(0xFFFFFF); }

double PeriodicNoise(uint32_t seed, double x, double y, int cellSize, int period) {
    const int cells = period / cellSize;
    const double fx = x / cellSize, fy = y / cellSize;
    const int x0 = int(std::floor(fx)), y0 = int(std::floor(fy));
    const double tx = fx - x0, ty = fy - y0;
    auto at = [&](int cx, int cy) {
        const int wx = ((cx % cells) + cells) % cells, wy = ((cy % cells) + cells) % cells;
        return Hash01(seed, uint32_t(wx), uint32_t(wy) + uint32_t(cellSize) * 977u);
    };
    const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * sx;
    const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * sx;
    return top + (bottom - top) * sy;
}

double PeriodicFbm(uint32_t seed, double x, double y, int cellSize, int period) {
    double sum = 0, weight = 1, total = 0;
    for (int size = cellSize; size >= 2; size /= 2) {
        sum += PeriodicNoise(seed + uint32_t(size), x, y, size, period) * weight;
        total += weight;
        weight *= 0.5;
    }
    return sum / total;
}

}  // namespace assetgen
