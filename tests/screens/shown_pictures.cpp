#include "shown_pictures.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/bmp_writer.h"
#include "ui/display.h"
#include "ui/text_layout.h"

namespace fs = std::filesystem;

double ShareShown(FakeWindow* window, int x, int y, const Rect& source, int slot) {
    if (!window || slot < 0 || slot >= static_cast<int>(display.offscreenSurfaces.size())) return 0;
    const DrawSurface* surface = display.offscreenSurfaces[slot];
    if (!surface || !surface->Pixels()) return 0;
    int lit = 0, matching = 0;
    for (int sy = source.top; sy < source.bottom; ++sy) {
        for (int sx = source.left; sx < source.right; ++sx) {
            const uint32_t want = surface->Pixels()[sy * surface->Pitch() + sx];
            if (want == 0) continue;
            ++lit;
            matching += window->PixelAt(x + sx - source.left, y + sy - source.top) == want;
        }
    }
    return lit ? static_cast<double>(matching) / lit : 0;
}

bool TextShownOn(FakeWindow* window, int x, int y, std::string_view text, int size) {
    const int width = FontCellWidth(size);
    bool anyGlyph = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto glyph = GlyphSource(text[i], size);
        if (!glyph || text[i] == ' ') continue;
        anyGlyph = true;
        if (ShareShown(window, x + static_cast<int>(i) * width, y, *glyph) < 1) return false;
    }
    return anyGlyph;
}

void MakeGameFolder(const std::string& folder) {
    fs::create_directories(folder);
    for (const char* name : {"Images", "Terrain", "Sounds"}) {
        fs::create_directory_symlink(fs::path(KV_DATA_DIR) / name, fs::path(folder) / name);
    }
    fs::create_directory(fs::path(folder) / "Saved Games");
}

void WriteKeptPictures(const std::string& folder, FakeWindow* window, const KeptPictures& kept, const char* keepEnv) {
    const auto* test = ::testing::UnitTest::GetInstance();
    if (!window || !(test->current_test_info()->result()->Failed() || std::getenv(keepEnv))) return;
    const fs::path into = fs::path(folder) / (std::string(test->current_test_info()->test_suite_name()) + "." +
                                              test->current_test_info()->name());
    fs::create_directories(into);
    int n = 0;
    for (const auto& [name, picture] : kept) {
        WriteBmpFile((into / (std::to_string(++n) + "-" + name + ".bmp")).string(), picture.data(), 1024, 768, 1024);
    }
    window->SavePictureBmp((into / "last.bmp").string());
    std::printf("The pictures of the test are in %s\n", into.string().c_str());
}
