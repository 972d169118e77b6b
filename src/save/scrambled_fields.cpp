#include "save/scrambled_fields.h"

#include <cstdint>

namespace {
int DrawOffset(Rng& rng) { return 32 + rng.Draw() / 512; }
}  // namespace

void WriteScrambledString(std::string& out, Rng& rng, std::string_view text) {
    const int offset = DrawOffset(rng);
    out.push_back(static_cast<char>((text.size() + offset) & 0xFF));
    for (char c : text) out.push_back(static_cast<char>((static_cast<unsigned char>(c) + offset) & 0xFF));
}

void WriteScrambledInt(std::string& out, Rng& rng, int value) {
    WriteScrambledString(out, rng, std::to_string(value));
}

bool ScrambledReader::ReadPlainByte(unsigned char& byte) {
    if (failed_ || pos_ >= bytes_.size()) return Fail();
    byte = static_cast<unsigned char>(bytes_[pos_++]);
    return true;
}

bool ScrambledReader::ReadPlain(size_t count, std::string& text) {
    if (failed_ || count > bytes_.size() - pos_) return Fail();
    text.assign(bytes_.substr(pos_, count));
    pos_ += count;
    return true;
}

bool ScrambledReader::ReadScrambledString(Rng& rng, std::string& text) {
    const int offset = DrawOffset(rng);
    unsigned char lengthByte = 0;
    if (!ReadPlainByte(lengthByte)) return false;
    if (lengthByte < offset) return Fail();
    std::string raw;
    if (!ReadPlain(static_cast<size_t>(lengthByte - offset), raw)) return false;
    for (char& c : raw) c = static_cast<char>((static_cast<unsigned char>(c) - offset) & 0xFF);
    text = std::move(raw);
    return true;
}

bool ScrambledReader::ReadScrambledInt(Rng& rng, int& value) {
    std::string text;
    if (!ReadScrambledString(rng, text)) return false;
    value = DecimalToInt(text);
    return true;
}

int DecimalToInt(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    uint32_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10u + static_cast<uint32_t>(text[i] - '0');
    return static_cast<int>(negative ? 0u - value : value);
}
