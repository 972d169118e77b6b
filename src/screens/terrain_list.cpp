#include "platform/files.h"
#include "screens/commands.h"

std::vector<std::string> TerrainList = {"RANDOM"};
int terrainChoice = 0;

namespace {

std::string UpperCaseLetters(std::string name) {
    for (char& c : name) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return name;
}

}  // namespace

bool BuildTerrainList() {
    TerrainList.assign(1, "RANDOM");
    for (const std::string& name : FindGameFiles("Terrain\\*.bmp")) TerrainList.push_back(UpperCaseLetters(name));
    return TerrainList.size() > 1;
}
