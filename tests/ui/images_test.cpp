#include "ui/images.h"

#include <filesystem>
#include <fstream>

#include "platform/bmp_writer.h"
#include "toolkit_fixture.h"
#include "ui/bmp_decode.h"

namespace {

class ImagesTest : public ToolkitTest {
protected:
    void WritePicture(const std::string& path, int width, int height, uint32_t colour) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, colour);
        ASSERT_TRUE(WriteBmpFile(path, pixels.data(), width, height, width));
    }
    uint32_t SlotPixel(int slot, int x, int y) {
        DrawSurface* s = display.offscreenSurfaces[slot];
        return s->Pixels()[y * s->Pitch() + x];
    }
};

TEST_F(ImagesTest, APictureIsCopiedFromTheTopLeftCutToTheSurfaceAndWhatItLacksIsBlack) {
    FillRect(display.offscreenSurfaces[1], {0, 0, 1024, 768}, 0xFFFFFF);
    WritePicture("images/small.bmp", 100, 50, 0x446688);
    // Any case of the names finds the file, as on the game's home system.
    ASSERT_TRUE(display.LoadBitmapFile(display.offscreenSurfaces[1], "Images\\SMALL.BMP"));
    EXPECT_EQ(SlotPixel(1, 99, 49), 0x446688u);
    EXPECT_EQ(SlotPixel(1, 100, 49), 0u);
    EXPECT_EQ(SlotPixel(1, 99, 50), 0u);
    WritePicture("Terrain/Big.bmp", 1100, 800, 0x00FF00);
    ASSERT_TRUE(display.LoadBitmapFile(display.offscreenSurfaces[2], "Terrain\\Big.bmp"));
    EXPECT_EQ(SlotPixel(2, 1023, 767), 0x00FF00u);
}

TEST_F(ImagesTest, AMissingFileOrOneThatIsNoBitmapIsLoggedByItsGameName) {
    EXPECT_FALSE(LoadScreenImages({{kSpriteSlot, "Images\\Sprites.bmp"}}));
    EXPECT_NE(ReadLog().find("LoadBitmap(\"Images\\Sprites.bmp\")\n*** FAILED ***\n"), std::string::npos);
    std::filesystem::create_directories("Images");
    std::ofstream("Images/MainMenu.bmp") << "BM this is not a picture";
    EXPECT_FALSE(display.LoadBitmapFile(display.offscreenSurfaces[1], "Images\\MainMenu.bmp"));
    EXPECT_NE(ReadLog().find("LoadBitmap(\"Images\\MainMenu.bmp\")\n*** FAILED ***\n"), std::string::npos);
}

TEST_F(ImagesTest, AfterMinimisingTheScreenGetsItsPicturesBack) {
    WritePicture("Images/Sprites.bmp", 1024, 768, 0x010203);
    WritePicture("Images/Info.bmp", 1024, 768, 0x040506);
    const std::vector<ScreenImage> images = {{kSpriteSlot, "Images\\Sprites.bmp"}, {kBackgroundSlot, "Images\\Info.bmp"}};
    ASSERT_TRUE(LoadScreenImages(images));
    PictureWatch watch;
    fake.Fake()->Minimise();
    fake.Fake()->Restore();
    EXPECT_TRUE(RecoverDisplay(images, watch));
    EXPECT_EQ(SlotPixel(0, 5, 5), 0x010203u);
    EXPECT_EQ(SlotPixel(1, 5, 5), 0x040506u);
}

TEST_F(ImagesTest, NothingIsRecoveredOnceTheWindowIsGone) {
    windowState.quitReceived = 1;
    PictureWatch watch;
    EXPECT_FALSE(RecoverDisplay({}, watch));
}

}  // namespace
