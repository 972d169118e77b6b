#pragma once
// Whole-number arguments of kvtool's commands, checked against a range.
#include <string>

// True when `text` is exactly a decimal number within [low, high].
inline bool ParseWholeArg(const std::string& text, long long low, long long high, long long& value) {
    if (text.empty() || text.size() > 11) return false;
    size_t used = 0;
    long long parsed = 0;
    try {
        parsed = std::stoll(text, &used);
    } catch (...) {
        return false;
    }
    if (used != text.size() || parsed < low || parsed > high) return false;
    value = parsed;
    return true;
}

inline bool ParseIntArg(const std::string& text, long long low, long long high, int& value) {
    long long parsed = 0;
    if (!ParseWholeArg(text, low, high, parsed)) return false;
    value = static_cast<int>(parsed);
    return true;
}
