// Pictures are files a player may replace: a damaged bitmap must be refused,
// never read past its end, and one that decodes must be whole.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ui/bmp_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    DecodedBitmap bitmap;
    if (!DecodeBmp(bytes, bitmap)) return 0;
    if (bitmap.width <= 0 || bitmap.height <= 0 ||
        bitmap.pixels.size() != static_cast<size_t>(bitmap.width) * static_cast<size_t>(bitmap.height))
        std::abort();
    return 0;
}
