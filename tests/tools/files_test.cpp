// The file formats under the art: BMP writing and reading, the console
// fonts the sheet is drawn from, and a whole run of the generator.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "assetgen/generate.h"
#include "assetgen/psf_font.h"
#include "assetgen/raster.h"
#include "support/temp_dir.h"

namespace {

using namespace assetgen;
namespace fs = std::filesystem;

class ArtFiles : public InTempDir {};

std::vector<uint8_t> Bytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST_F(ArtFiles, BmpRoundTripsOddWidthsWithRowPadding) {
    Image image(5, 3);  // 15 bytes a row, padded to 16
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) image.Set(x, y, {uint8_t(x * 50), uint8_t(y * 100), uint8_t(x + y)});
    ASSERT_TRUE(WriteBmp(image, "odd.bmp"));
    const std::vector<uint8_t> b = Bytes("odd.bmp");
    ASSERT_EQ(b.size(), 54u + 16 * 3);
    EXPECT_EQ(b[28], 24);  // bits per pixel
    EXPECT_EQ(b[30], 0);   // uncompressed
    // Rows are stored bottom-up: the first stored pixel is the bottom-left one, as B, G, R.
    EXPECT_EQ(b[54], 2);
    EXPECT_EQ(b[55], 200);
    EXPECT_EQ(b[56], 0);
    Image back;
    ASSERT_TRUE(ReadBmp("odd.bmp", back));
    ASSERT_EQ(back.Width(), 5);
    ASSERT_EQ(back.Height(), 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(back.At(x, y), image.At(x, y));
}

TEST_F(ArtFiles, ReadingRefusesTruncatedOrForeignFiles) {
    Image image(4, 4);
    ASSERT_TRUE(WriteBmp(image, "whole.bmp"));
    std::vector<uint8_t> b = Bytes("whole.bmp");
    b.resize(b.size() - 10);
    std::ofstream("cut.bmp", std::ios::binary).write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
    std::ofstream("text.bmp") << "not a picture at all, just some words here and there to pass the size test";
    Image out;
    EXPECT_FALSE(ReadBmp("cut.bmp", out));
    EXPECT_FALSE(ReadBmp("text.bmp", out));
    EXPECT_FALSE(ReadBmp("missing.bmp", out));
}

TEST_F(ArtFiles, GeneratorWritesEveryFileTheGameLoadsAndRepeatsItself) {
    ASSERT_TRUE(GenerateAll("one"));
    ASSERT_TRUE(GenerateAll("two"));
    for (const char* image : {"Sprites.bmp", "MainMenu.bmp", "Setup.bmp", "LoadGame.bmp", "Info.bmp"}) {
        const fs::path path = fs::path("one") / "Images" / image;
        ASSERT_TRUE(fs::exists(path)) << image;
        Image read;
        ASSERT_TRUE(ReadBmp(path, read)) << image;
        EXPECT_EQ(read.Width(), 1024);
        EXPECT_EQ(read.Height(), 768);
    }
    int terrains = 0, sounds = 0;
    for (const auto& entry : fs::recursive_directory_iterator("one")) {
        if (!entry.is_regular_file()) continue;
        const fs::path twin = fs::path("two") / fs::relative(entry.path(), "one");
        EXPECT_EQ(Bytes(entry.path()), Bytes(twin)) << entry.path() << " differs between two runs";
        terrains += entry.path().parent_path().filename() == "Terrain";
        sounds += entry.path().extension() == ".wav";
    }
    EXPECT_GE(terrains, 3);
    EXPECT_EQ(sounds, 20);
}

TEST_F(ArtFiles, GeneratorReportsAnOutputItCannotWrite) {
    std::ofstream("blocked") << "a file where a folder should go";
    EXPECT_FALSE(GenerateAll("blocked"));
}

}  // namespace
