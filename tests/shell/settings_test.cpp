// The settings file as people edit it by hand; writing it is seen where the
// program saves it at its end and where F2 changes the scroll delay.
#include "shell/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/temp_dir.h"

namespace {

using SettingsFile = InTempDir;

TEST_F(SettingsFile, HandEditedFilesAreReadLineByLine) {
    struct Case { const char* what; std::string file; std::string lastGame; int scrollDelay, colourDepth; };
    const Case cases[] = {
        {"no file", "", "", 15, 32},
        {"only letters raised, values unclamped", "hots-game-01.kv1 (é)\n250\n8\n", "HOTS-GAME-01.KV1 (é)", 250, 8},
        {"numbers read the decimal way", "\n  -12abc\nxyz\n", "", -12, 0},
        {"signs and spaces", "\n \t+7x\n- 5\n", "", 7, 0},
        {"last line without its end", "SOLO-A.KV1\n20\n24", "SOLO-A.KV1", 20, 24},
        {"missing lines keep their defaults", "SOLO-A.KV1\n", "SOLO-A.KV1", 15, 32},
        {"the other systems' line ends", "PBEM-X.KV1\r\n30\r\n16\r\n--- EOF MARKER : DO NOT REMOVE ---\r\n", "PBEM-X.KV1", 30, 16},
        // The name stops at 127 characters; the rest of its line, "aaa", is read as the delay.
        {"overlong first line", std::string(130, 'a') + "\n45\n16\n", std::string(127, 'A'), 0, 45},
        {"longest whole first line", std::string(126, 'a') + "\n45\n16\n", std::string(126, 'A'), 45, 16},
        {"huge numbers", "\n2147483648\n-2147483649\n", "", 2147483647, -2147483647 - 1},
        {"largest numbers", "\n2147483647\n-2147483648\n", "", 2147483647, -2147483647 - 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove("Korvessa.ini");
        if (c.what != std::string("no file")) std::ofstream("Korvessa.ini", std::ios::binary) << c.file;
        Settings s;  // the defaults
        LoadINI(s);
        EXPECT_EQ(std::tie(s.lastGame, s.scrollDelay, s.colourDepth), std::tie(c.lastGame, c.scrollDelay, c.colourDepth));
    }
}

}  // namespace
