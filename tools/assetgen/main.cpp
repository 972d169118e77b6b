// assetgen OUTDIR: draws the game's pictures and sounds into OUTDIR/Images,
// OUTDIR/Terrain and OUTDIR/Sounds.

#include <cstdio>

#include "assetgen/generate.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: assetgen OUTDIR\n");
        return 2;
    }
    return assetgen::GenerateAll(argv[1]) ? 0 : 1;
}
