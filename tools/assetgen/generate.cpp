#include "assetgen/generate.h"

#include <cstdio>
#include <filesystem>

#include "assetgen/backgrounds.h"
#include "assetgen/sounds.h"
#include "assetgen/sprite_sheet.h"
#include "assetgen/terrain_art.h"
#include "assetgen/wav.h"

namespace assetgen {

namespace {

bool Written(bool ok, const std::filesystem::path& path) {
    if (!ok) std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
    return ok;
}

}  // namespace

bool GenerateAll(const std::string& outDir) {
    namespace fs = std::filesystem;
    const fs::path root(outDir);
    std::error_code error;
    for (const char* folder : {"Images", "Terrain", "Sounds"}) {
        fs::create_directories(root / folder, error);
        if (!fs::is_directory(root / folder, error)) {
            std::fprintf(stderr, "assetgen: cannot make the folder %s\n", (root / folder).c_str());
            return false;
        }
    }
    bool ok = Written(WriteBmp(MakeSpriteSheet(), root / "Images" / "Sprites.bmp"), root / "Images" / "Sprites.bmp");
    for (const Background& b : MakeBackgrounds())
        ok = Written(WriteBmp(b.image, root / "Images" / b.file), root / "Images" / b.file) && ok;
    for (const TerrainPicture& t : MakeTerrainPictures())
        ok = Written(WriteBmp(t.image, root / "Terrain" / t.file), root / "Terrain" / t.file) && ok;
    for (const Sound& s : MakeSounds())
        ok = Written(WriteWav(root / "Sounds" / s.file, s.samples), root / "Sounds" / s.file) && ok;
    return ok;
}

}  // namespace assetgen
