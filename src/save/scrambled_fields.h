#pragma once
// The field encoding of saved games. Every field is a length-prefixed text
// shifted by an offset taken from the shared random generator, one draw per
// field, so a file reads back only through the same sequence of draws.
#include <cstddef>
#include <string>
#include <string_view>

#include "game/rng.h"

void WriteScrambledString(std::string& out, Rng& rng, std::string_view text);
void WriteScrambledInt(std::string& out, Rng& rng, int value);

// Reads fields from a whole file held in memory. A read that would run past
// the end, or a length byte smaller than its offset, fails and leaves the
// reader marked as failed; values read after a failure are meaningless.
class ScrambledReader {
public:
    explicit ScrambledReader(std::string_view bytes) : bytes_(bytes) {}

    bool ReadPlainByte(unsigned char& byte);
    bool ReadPlain(size_t count, std::string& text);
    bool ReadScrambledString(Rng& rng, std::string& text);
    bool ReadScrambledInt(Rng& rng, int& value);

    bool failed() const { return failed_; }
    size_t position() const { return pos_; }

private:
    bool Fail() { failed_ = true; return false; }
    std::string_view bytes_;
    size_t pos_ = 0;
    bool failed_ = false;
};

// The standard decimal conversion the format uses: optional blanks, an
// optional sign, digits, anything after them ignored, 0 when there are none.
// Values beyond 32 bits wrap rather than overflow.
int DecimalToInt(std::string_view text);
