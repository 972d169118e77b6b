#pragma once
// The pixel loops every copy between surfaces is made of: a block of rows
// copied as it is, past a colour key, or stretched to another size. Kept
// apart from the surfaces' bookkeeping so that they stay plain loops over
// memory the compiler can vectorise.
#include <cstdint>

// `width` x `height` pixels from `pixels`, `pitch` pixels from one row to the next.
struct SourcePixels {
    const uint32_t* pixels;
    int pitch, width, height;
};
struct TargetPixels {
    uint32_t* pixels;
    int pitch, width, height;
};

// Source pixels from `low` to `high` (inclusive) are transparent when `on`.
struct PixelKey {
    bool on = false;
    uint32_t low = 0, high = 0;
};

// Same size: row by row; the blocks must not overlap.
void CopyPixels(const SourcePixels& from, const TargetPixels& to, const PixelKey& key);
// Any size: target pixel x, y reads source pixel x * from.width / to.width,
// y * from.height / to.height (rounded down).
void StretchPixels(const SourcePixels& from, const TargetPixels& to, const PixelKey& key);
