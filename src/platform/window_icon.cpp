#include "platform/sdl_parts.h"

#include <cstdlib>

// The game's emblem: a gold diamond with a dark red heart on a transparent
// ground, plain enough to read at 16 pixels.
std::vector<uint32_t> GameEmblem(int size) {
    std::vector<uint32_t> pixels(static_cast<size_t>(size) * size, 0);
    const int centre = size / 2;
    const int outer = size / 2 - 1;
    const int inner = size / 4;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int d = std::abs(x - centre) + std::abs(y - centre);
            uint32_t colour = 0;
            if (d <= inner)
                colour = 0xFF8A1C1C;
            else if (d <= outer - 2)
                colour = 0xFFE0B030;
            else if (d <= outer)
                colour = 0xFF402810;
            pixels[static_cast<size_t>(y) * size + x] = colour;
        }
    }
    return pixels;
}
