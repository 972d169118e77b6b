// The settings file is a text file anyone may edit: whatever it holds, the
// game must read it, and what it then writes must read back the same.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>
#include <string>

#include "shell/settings.h"

namespace {
void EnterScratchFolder() {
    static bool entered = false;
    if (entered) return;
    // Memory-backed when the system has it: every run writes the file twice.
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    const auto folder = base / ("kv-fuzz-settings-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    entered = true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EnterScratchFolder();
    FILE* file = std::fopen(kSettingsFileName, "wb");
    if (!file) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    Settings first;
    SetDefaultSettings(first);
    LoadINI(first);
    Settings written = first;
    if (!SaveINI(written, written.lastGame)) return 0;
    Settings second;
    SetDefaultSettings(second);
    LoadINI(second);
    // A first line of 127 characters or more is read in pieces by design (the
    // game's own names are far shorter), so only shorter ones must round-trip;
    // a carriage return ending the name is read as part of a line end.
    const bool plainName = written.lastGame.size() < 127 && written.lastGame.find('\r') == std::string::npos;
    if (plainName &&
        (second.lastGame != written.lastGame || second.scrollDelay != written.scrollDelay ||
         second.colourDepth != written.colourDepth))
        std::abort();
    return 0;
}
