#pragma once
// Reads a Windows device-independent bitmap file into 32-bit pixels
// 0x00RRGGBB, top row first. Takes the uncompressed forms a paint program or
// our art generator writes: 1, 4 and 8 bits with a palette, 16 and 32 bits
// with or without colour masks, and 24 bits; bottom-up or top-down.
#include <cstdint>
#include <string>
#include <vector>

struct DecodedBitmap {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // width * height, row by row from the top
};

// False for anything that is not a whole, uncompressed bitmap of a sensible
// size; a truncated or lying header never reads outside the bytes given.
bool DecodeBmp(const std::string& bytes, DecodedBitmap& out);
