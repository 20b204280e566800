#include "logic/name_entry.h"

#include <gtest/gtest.h>

#include <string>

namespace logic {
namespace {

void Type(NameEntry& entry, const std::string& keys) {
  for (char key : keys) ApplyNameEntryKey(entry, key);
}

std::string Stored(const NameEntry& entry) {
  auto name = ConfirmedName(entry);
  return std::string(name.begin(), name.end());
}

TEST(NameEntryKeys, OnlyLetterKeysBackspaceReturnAndSpaceAreTaken) {
  for (int key = 'A'; key <= 'Z'; ++key) EXPECT_TRUE(IsNameEntryKey(key));
  EXPECT_TRUE(IsNameEntryKey(kKeyBackspace));
  EXPECT_TRUE(IsNameEntryKey(kKeyReturn));
  EXPECT_TRUE(IsNameEntryKey(kKeySpace));
  // 97..122 are the numeric keypad and F1..F11, not small letters.
  for (int key = 97; key <= 122; ++key) EXPECT_FALSE(IsNameEntryKey(key)) << key;
  EXPECT_FALSE(IsNameEntryKey('0'));
  EXPECT_FALSE(IsNameEntryKey(kKeyEscape));
  EXPECT_FALSE(IsNameEntryKey(kKeyLeftWindows));
}

TEST(NameEntryTyping, FourLettersAreStoredWithSpaceFiller) {
  NameEntry entry;
  Type(entry, "ANNA");
  EXPECT_EQ(ApplyNameEntryKey(entry, kKeyReturn), NameEntryOutcome::Confirmed);
  EXPECT_EQ(Stored(entry), "ANNA      ");
}

TEST(NameEntryTyping, TenLettersKeepNine) {
  NameEntry entry;
  Type(entry, "ABCDEFGHIJ");
  EXPECT_EQ(entry.editPosition, 9);
  EXPECT_EQ(Stored(entry), "ABCDEFGHI ");
  Type(entry, "XYZ");  // keeps replacing the covered last character
  EXPECT_EQ(Stored(entry), "ABCDEFGHI ");
  EXPECT_EQ(NameEntryText(entry, true), "ABCDEFGHI\xFE");
}

TEST(NameEntryTyping, BackspaceAtTheStartDoesNothingElseRemovesTheLastLetter) {
  NameEntry entry;
  ApplyNameEntryKey(entry, kKeyBackspace);
  EXPECT_EQ(entry.editPosition, 0);
  Type(entry, "AB");
  ApplyNameEntryKey(entry, kKeyBackspace);
  Type(entry, "C");
  EXPECT_EQ(Stored(entry), "AC        ");
}

TEST(NameEntryTyping, UnknownKeysChangeNothing) {
  NameEntry entry;
  Type(entry, "A");
  ApplyNameEntryKey(entry, 0x61);  // numeric keypad 1
  ApplyNameEntryKey(entry, 0x70);  // F1
  EXPECT_EQ(entry.editPosition, 1);
  EXPECT_EQ(Stored(entry), "A         ");
}

TEST(NameEntryText, CursorBlinksAtTheEditPosition) {
  NameEntry entry;
  Type(entry, "MAX ");
  EXPECT_EQ(NameEntryText(entry, true), "MAX \xFE");
  EXPECT_EQ(NameEntryText(entry, false), "MAX  ");
  EXPECT_EQ(NameEntryText(NameEntry{}, true), "\xFE");
}

}  // namespace
}  // namespace logic
