// The files the generator writes, read as the game reads them.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "assetgen/generate.h"
#include "assetgen/raster.h"
#include "support/read_file.h"
#include "support/temp_dir.h"
#include "ui/bmp_decode.h"

namespace {

using namespace assetgen;
namespace fs = std::filesystem;

class ArtFiles : public InTempDir {};

TEST_F(ArtFiles, AWrittenPictureOfOddWidthReadsBackInTheGame) {
    Image image(5, 3);  // 15 bytes a row, padded to 16
    std::vector<uint32_t> expected;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            const Rgb c{uint8_t(x * 50), uint8_t(y * 100), uint8_t(x + y + 1)};
            image.Set(x, y, c);
            expected.push_back(uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b);
        }
    ASSERT_TRUE(WriteBmp(image, "odd.bmp"));
    DecodedBitmap read;
    ASSERT_TRUE(DecodeBmp(ReadFile("odd.bmp"), read));
    EXPECT_EQ(read.width, 5);
    EXPECT_EQ(read.pixels, expected);
}

TEST_F(ArtFiles, GeneratorWritesEveryPictureTheGameLoadsAndRepeatsItself) {
    ASSERT_TRUE(GenerateAll("one"));
    ASSERT_TRUE(GenerateAll("two"));
    for (const char* image : {"Sprites.bmp", "MainMenu.bmp", "Setup.bmp", "LoadGame.bmp", "Info.bmp"}) {
        DecodedBitmap read;
        ASSERT_TRUE(DecodeBmp(ReadFile(fs::path("one") / "Images" / image), read)) << image;
        EXPECT_EQ(read.width * read.height, 1024 * 768) << image;
    }
    for (const char* folder : {"Terrain", "Sounds"}) EXPECT_FALSE(fs::is_empty(fs::path("one") / folder)) << folder;
    for (const auto& entry : fs::recursive_directory_iterator("one")) {
        if (!entry.is_regular_file()) continue;
        const fs::path twin = fs::path("two") / fs::relative(entry.path(), "one");
        EXPECT_EQ(ReadFile(entry.path()), ReadFile(twin)) << entry.path() << " differs between two runs";
    }
    std::ofstream("blocked") << "a file where a folder should go";
    EXPECT_FALSE(GenerateAll("blocked"));
}

}  // namespace
