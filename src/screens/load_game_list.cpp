#include "screens/load_game_list.h"

bool SavedGameList::ScrollDown() {
    if (EndRow() >= Count()) return false;
    ++firstRow;
    return true;
}

bool SavedGameList::ScrollUp() {
    if (firstRow <= 0) return false;
    --firstRow;
    return true;
}

std::optional<int> SavedGameList::IndexAt(int x, int y) const {
    if (x < 9 || x > 319 || y <= 120 || y >= 720) return std::nullopt;
    const int index = (y - 120) / kRowStep + firstRow;
    if (index >= Count()) return std::nullopt;
    return index;
}

std::string SavedGameList::PositionText() const {
    if (Count() <= kVisibleRows) return "";
    return std::to_string(firstRow + 1) + "-" + std::to_string(EndRow()) + " OF " + std::to_string(Count());
}

bool SavedGameList::RowUnderCursor(int row, int cursorX, int cursorY) {
    const int y = kRowTop + kRowStep * row;
    return cursorX >= 8 && cursorX < 328 && cursorY >= y - 2 && cursorY < y + 18;
}
