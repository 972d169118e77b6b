#pragma once
// Writes a picture as an uncompressed 24-bit BMP file: the art generator's
// pictures, and what a screen showed in a test, for a person to look at.
#include <cstdint>
#include <string>

// pixels: width x height values 0x00RRGGBB, `pitch` pixels per row, top row
// first. False when the file cannot be written.
bool WriteBmpFile(const std::string& path, const uint32_t* pixels, int width, int height,
                  int pitch);
