#pragma once

#include <string>

namespace assetgen {

// Writes every picture and sound; false (with a message) when a file cannot be written.
bool GenerateAll(const std::string& outDir);

}  // namespace assetgen
