#pragma once
// The list of saved games on the load game screen: thirty rows of names
// that scroll one row at a time, and which name a click lands on.
#include <optional>
#include <string>
#include <vector>

inline constexpr int kVisibleRows = 30;
inline constexpr int kRowLeft = 16;
inline constexpr int kRowTop = 122;
inline constexpr int kRowStep = 20;

struct SavedGameList {
    std::vector<std::string> files;
    int firstRow = 0;  // index of the top visible row

    int Count() const { return static_cast<int>(files.size()); }
    int EndRow() const { return firstRow + kVisibleRows; }
    // One row towards the end while names are hidden below; false when none is.
    bool ScrollDown();
    bool ScrollUp();
    // The list index under a click, when the click lies in the rows' click
    // area and on a row that holds a name.
    std::optional<int> IndexAt(int x, int y) const;
    // The highlight of visible row k: the rectangle under its name.
    static bool RowUnderCursor(int row, int cursorX, int cursorY);
    // Which rows show when there are more names than rows, as "31-60 OF 75";
    // empty when every name fits.
    std::string PositionText() const;
};
