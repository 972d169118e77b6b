// Pictures loaded from the game's files; popup_test.cpp reloads one after a minimise.
#include "ui/images.h"

#include <filesystem>
#include <fstream>

#include "platform/bmp_writer.h"
#include "display_fixture.h"
#include "support/read_file.h"

namespace {

using ImagesTest = ToolkitTest;

void WritePicture(const std::string& path, int width, int height, uint32_t colour) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, colour);
    ASSERT_TRUE(WriteBmpFile(path, pixels.data(), width, height, width));
}

// Any case of the names finds the file, as on the game's home system.
TEST_F(ImagesTest, APictureIsCopiedFromTheTopLeftCutToTheSurfaceAndWhatItLacksIsBlack) {
    DrawSurface* slot = display.offscreenSurfaces[1];
    FillRect(slot, {0, 0, 1024, 768}, 0xFFFFFF);
    WritePicture("images/small.bmp", 100, 50, 0x446688);
    ASSERT_TRUE(display.LoadBitmapFile(slot, "Images\\SMALL.BMP"));
    const std::pair<Point, uint32_t> expected[] = {{{99, 49}, 0x446688}, {{100, 49}, 0}, {{99, 50}, 0}};
    for (const auto& [p, colour] : expected) EXPECT_EQ(slot->Pixels()[p.y * slot->Pitch() + p.x], colour) << p.x << "," << p.y;
    WritePicture("Terrain/Big.bmp", 1100, 800, 0x00FF00);
    ASSERT_TRUE(display.LoadBitmapFile(slot, "Terrain\\Big.bmp"));
    EXPECT_EQ(slot->Pixels()[767 * slot->Pitch() + 1023], 0x00FF00u);
}

TEST_F(ImagesTest, AMissingFileOrOneThatIsNoBitmapIsLoggedByItsGameName) {
    EXPECT_FALSE(LoadScreenImages({{kSpriteSlot, "Images\\Sprites.bmp"}}));
    EXPECT_NE(ReadFile("Run.log").find("LoadBitmap(\"Images\\Sprites.bmp\")\n*** FAILED ***\n"), std::string::npos);
    std::filesystem::create_directories("Images");
    std::ofstream("Images/MainMenu.bmp") << "BM this is not a picture";
    EXPECT_FALSE(display.LoadBitmapFile(display.offscreenSurfaces[1], "Images\\MainMenu.bmp"));
    EXPECT_NE(ReadFile("Run.log").find("LoadBitmap(\"Images\\MainMenu.bmp\")\n*** FAILED ***\n"), std::string::npos);
}

}  // namespace
