#include "ui/popup_entry.h"

#include <cstring>

#include "ui/text_layout.h"

namespace {
constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kEscape = 27;
constexpr int kDelete = 127;
constexpr int kScreenWidth = 1024;
}  // namespace

bool IsEntryChar(int code) {
    if (code < 32 || code > 90) return false;
    return std::strchr("\"*/:<>?", code) == nullptr;
}

PopupKey ApplyTypedChar(std::string& text, int typedChar, bool inputShown, int maxLength) {
    switch (typedChar) {
        case kEnter: return PopupKey::kConfirm;
        case kEscape: return PopupKey::kCancel;
        case kBackspace:
            if (inputShown && !text.empty()) text.pop_back();
            return PopupKey::kNone;
        case kDelete:
            if (inputShown) text.clear();
            return PopupKey::kNone;
        default: break;
    }
    if (!inputShown) return PopupKey::kNone;
    const int code = (typedChar >= 'a' && typedChar <= 'z') ? typedChar - 32 : typedChar;
    if (IsEntryChar(code) && static_cast<int>(text.size()) < maxLength) text.push_back(static_cast<char>(code));
    return PopupKey::kNone;
}

Rect EntryFieldRect(int maxLength, int boxTop) {
    const int width = maxLength * FontCellWidth(kLargeFont);
    const int left = (kScreenWidth - width) / 2;
    return {left, boxTop + 52, left + width, boxTop + 84};
}

int CentredTextX(std::string_view text) { return (kScreenWidth - TextWidth(text, kLargeFont)) / 2; }
