#pragma once
// Writes a picture as an uncompressed 24-bit BMP file, so tests can leave
// what a screen showed for a person to look at.
#include <cstdint>
#include <string>

// pixels: width x height values 0x00RRGGBB, `pitch` pixels per row, top row
// first. False when the file cannot be written.
bool WriteBmpFile(const std::string& path, const uint32_t* pixels, int width, int height,
                  int pitch);
