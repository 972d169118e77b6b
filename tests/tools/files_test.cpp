// The files the generator writes, read as the game reads them.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "assetgen/generate.h"
#include "support/read_file.h"
#include "support/temp_dir.h"
#include "ui/bmp_decode.h"

namespace {

namespace fs = std::filesystem;

using ArtFiles = InTempDir;

TEST_F(ArtFiles, GeneratorWritesEveryPictureTheGameLoads) {
    ASSERT_TRUE(assetgen::GenerateAll("one"));
    for (const char* image : {"Sprites.bmp", "MainMenu.bmp", "Setup.bmp", "LoadGame.bmp", "Info.bmp"}) {
        DecodedBitmap read;
        ASSERT_TRUE(DecodeBmp(ReadFile(fs::path("one") / "Images" / image), read)) << image;
        EXPECT_EQ((std::pair{read.width, read.height}), (std::pair{1024, 768})) << image;
    }
    for (const auto& entry : fs::directory_iterator(fs::path("one") / "Terrain")) {
        DecodedBitmap read;
        EXPECT_TRUE(DecodeBmp(ReadFile(entry.path()), read)) << entry.path();
    }
    for (const char* folder : {"Terrain", "Sounds"}) EXPECT_FALSE(fs::is_empty(fs::path("one") / folder)) << folder;
    std::ofstream("blocked") << "a file where a folder should go";
    EXPECT_FALSE(assetgen::GenerateAll("blocked"));
}

}  // namespace
