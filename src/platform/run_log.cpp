#include "platform/run_log.h"

#include <cstdio>

#include "platform/files.h"

namespace {
void WriteLogLine(const std::string& text, const char* mode) {
    FILE* file = OpenGameFile("Run.log", mode);
    if (!file) return;
    std::fprintf(file, "%s\n", text.c_str());
    std::fclose(file);
}
}  // namespace

void StartLog(const std::string& text) { WriteLogLine(text, "w"); }
void AppendLog(const std::string& text) { WriteLogLine(text, "a"); }
