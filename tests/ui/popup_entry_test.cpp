#include "ui/popup_entry.h"

#include <gtest/gtest.h>

namespace {

std::string Type(std::string text, std::string_view keys, int maxLength, bool shown = true) {
    for (char c : keys) ApplyTypedChar(text, static_cast<unsigned char>(c), shown, maxLength);
    return text;
}

TEST(PopupTyping, TypedTextIsRaisedEditedAndLimited) {
    struct Case { const char* before; std::string keys; int maxLength; bool shown; const char* after; };
    const Case cases[] = {
        {"", "abc", 20, true, "ABC"},
        {"", "\x1f zZ[", 20, true, " ZZ"},   // the first and the last character taken, and either side
        {"25", "12", 3, true, "251"},         // the limit refuses the rest
        {"", "\b", 5, true, ""},              // backspace on nothing
        {"NAME", "\b", 5, true, "NAM"},
        {"NAME", "\x7f", 5, true, ""},        // delete clears the field
        {"WINNER", "\b\x7fxy", 20, false, "WINNER"},  // a notice takes no typing
        // Marks that file names cannot hold are ignored, the others kept.
        {"", "A:B?C\"*/<>[\\]^_`|{}~", 29, true, "ABC"},
        {"", " !#$%&'()+,-.;=@", 29, true, " !#$%&'()+,-.;=@"},
        {"", std::string("\0\t", 2), 5, true, ""},  // a key without a character, tab
    };
    for (const Case& c : cases) EXPECT_EQ(Type(c.before, c.keys, c.maxLength, c.shown), c.after) << c.before << " + " << c.keys;
    std::string text;
    ApplyTypedChar(text, -23, true, 5);    // a sign-extended byte above 127
    ApplyTypedChar(text, 0x141, true, 5);  // a character beyond 8 bits
    EXPECT_EQ(text, "");
}

TEST(PopupTyping, EnterAndEscapeAnswerWhetherOrNotAFieldIsShown) {
    for (bool shown : {true, false}) {
        std::string text;
        EXPECT_EQ(ApplyTypedChar(text, 8, shown, 5), PopupKey::kNone);
        EXPECT_EQ(ApplyTypedChar(text, 13, shown, 5), PopupKey::kConfirm);
        EXPECT_EQ(ApplyTypedChar(text, 27, shown, 5), PopupKey::kCancel);
        EXPECT_EQ(text, "");
    }
}

}  // namespace
