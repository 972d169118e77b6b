#pragma once
// Looking at what the fake window shows, shared by the screen tests and the
// end-to-end tests: text and pictures of the sprite sheet found on it, the
// data folder the game runs in, its files, and the pictures kept when a
// test fails.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "game/state.h"
#include "platform/fake_platform.h"
#include "support/read_file.h"


// The share (0 to 1) of the lit pixels of a rectangle of a surface slot that
// the window shows at x, y; 0 when the rectangle has none.
double ShareShown(FakeWindow* window, int x, int y, const Rect& source, int slot = 0);
// Every lit pixel of the text's glyphs is on the window at x, y.
bool TextShownOn(FakeWindow* window, int x, int y, std::string_view text, int size);

// Where a line of large text centred on the screen starts.
inline int CentredX(std::string_view text) { return (1024 - static_cast<int>(text.size()) * 16) / 2; }


// A data folder holding the generated art and an empty "Saved Games".
void MakeGameFolder(const std::string& folder);

using KeptPictures = std::vector<std::pair<std::string, std::vector<uint32_t>>>;
// Writes the kept pictures and the last one shown as BMP files named after
// the running test, when it failed (or when `keepEnv` is set).
void WriteKeptPictures(const std::string& folder, FakeWindow* window, const KeptPictures& kept, const char* keepEnv);
