#include "ui/popup_entry.h"

#include <gtest/gtest.h>

namespace {

std::string Type(std::string text, std::string_view keys, int maxLength, bool shown = true) {
    for (char c : keys) ApplyTypedChar(text, static_cast<unsigned char>(c), shown, maxLength);
    return text;
}

TEST(PopupTyping, LowerCaseIsRaisedAndTheLengthLimitRefusesTheRest) {
    EXPECT_EQ(Type("", "abc", 20), "ABC");
    EXPECT_EQ(Type("25", "12", 3), "251");
    EXPECT_EQ(Type("", "123456", 5), "12345");
}

TEST(PopupTyping, BackspaceAndDeleteEditOnlyAShownField) {
    std::string text;
    EXPECT_EQ(ApplyTypedChar(text, 8, true, 5), PopupKey::kNone);
    EXPECT_EQ(text, "");
    text = "NAME";
    ApplyTypedChar(text, 8, true, 5);
    EXPECT_EQ(text, "NAM");
    ApplyTypedChar(text, 127, true, 5);
    EXPECT_EQ(text, "");
    text = "WINNER";
    ApplyTypedChar(text, 8, false, 5);
    ApplyTypedChar(text, 127, false, 5);
    EXPECT_EQ(Type(text, "xy", 20, false), "WINNER");
}

TEST(PopupTyping, EnterAndEscapeAnswerWhetherOrNotAFieldIsShown) {
    for (bool shown : {true, false}) {
        std::string text;
        EXPECT_EQ(ApplyTypedChar(text, 13, shown, 5), PopupKey::kConfirm);
        EXPECT_EQ(ApplyTypedChar(text, 27, shown, 5), PopupKey::kCancel);
        EXPECT_EQ(text, "");
    }
}

TEST(PopupTyping, MarksThatNamesCannotHoldAreIgnored) {
    EXPECT_EQ(Type("", "A:B?C\"*/<>[\\]^_`|{}~", 29), "ABC");
    EXPECT_EQ(Type("", " !#$%&'()+,-.;=@", 29), " !#$%&'()+,-.;=@");
    std::string text;
    ApplyTypedChar(text, 0, true, 5);      // a key without a character
    ApplyTypedChar(text, 9, true, 5);      // tab
    ApplyTypedChar(text, -23, true, 5);    // a sign-extended byte above 127
    ApplyTypedChar(text, 0x141, true, 5);  // a character beyond 8 bits
    EXPECT_EQ(text, "");
}

TEST(IsEntryChar, AcceptsExactlyTheDocumentedSet) {
    int accepted = 0;
    for (int c = -128; c < 256; ++c) accepted += IsEntryChar(c);
    // the space, 10 digits, 26 capitals and the 15 marks ! # $ % & ' ( ) + , - . ; = @
    EXPECT_EQ(accepted, 1 + 10 + 26 + 15);
}

TEST(EntryField, IsCentredAndAsWideAsTheLongestAnswer) {
    EXPECT_EQ(EntryFieldRect(29, 296), (Rect{280, 348, 744, 380}));
    EXPECT_EQ(EntryFieldRect(5, 296), (Rect{472, 348, 552, 380}));
    EXPECT_EQ(CentredTextX("GAME OVER"), (1024 - 144) / 2);
    EXPECT_EQ(CentredTextX("ENTER A PASSWORD TO USE"), 328);
}

}  // namespace
