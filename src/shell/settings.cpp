#include "shell/settings.h"

#include <climits>
#include <cstdio>
#include <cstring>

#include "platform/files.h"
#include "platform/run_log.h"

Settings settings;

namespace {

// The longest piece of a line one read takes; the rest of a longer line is
// what the next read finds.
constexpr int kLineLimit = 127;

std::string UpperCaseLetters(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// One line of at most kLineLimit characters without its line end; false at
// the end of the file. A line ending in "\r\n" (edited on another system)
// loses both characters.
bool ReadLine(FILE* file, std::string& line) {
    char buffer[kLineLimit + 1];
    if (!std::fgets(buffer, sizeof buffer, file)) return false;
    size_t length = std::strlen(buffer);
    if (length > 0 && buffer[length - 1] == '\n') --length;
    if (length > 0 && buffer[length - 1] == '\r') --length;
    line.assign(buffer, length);
    return true;
}

}  // namespace

int ParseDecimal(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    return static_cast<int>(value);
}

void SetDefaultSettings(Settings& values) { values = Settings{}; }

void LoadINI(Settings& values) {
    FILE* file = OpenGameFile(kSettingsFileName, "rt");
    if (!file) return;
    std::string line;
    if (ReadLine(file, line)) {
        values.lastGame = UpperCaseLetters(line);
        if (ReadLine(file, line)) {
            values.scrollDelay = ParseDecimal(line);
            if (ReadLine(file, line)) values.colourDepth = ParseDecimal(line);
        }
    }
    std::fclose(file);
}

bool SaveINI(Settings& values, const std::string& saveFileName) {
    values.lastGame = UpperCaseLetters(saveFileName);
    const std::string text = values.lastGame + "\n" + std::to_string(values.scrollDelay) + "\n" +
                             std::to_string(values.colourDepth) + "\n" + kSettingsEndMarker +
                             "\n";
    // Written aside and put in place in one step, so a full disk or a crash
    // never leaves half a settings file.
    if (!ReplaceGameFile(kSettingsFileName, text)) {
        AppendLog("*ERROR* : SaveINI()");
        AppendLog("fopen() == NULL");
        return false;
    }
    return true;
}
