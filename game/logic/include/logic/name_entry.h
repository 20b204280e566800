#pragma once
// The typing rules of the high-score name entry, apart from its drawing.
#include <array>
#include <cstdint>
#include <string>

namespace logic {

// Windows virtual-key codes as the keyboard handling hands them on.
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyReturn = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyLeftWindows = 91;
inline constexpr int kKeyRightWindows = 92;

// Byte drawn with the cursor glyph.
inline constexpr std::uint8_t kCursorGlyph = 0xFE;
inline constexpr int kNameEntryLastPosition = 9;

// Keys the name entry takes: the letter keys, Backspace, Return and Space.
// Letter keys arrive as the capital letters' codes 65..90; the codes 97..122
// belong to the numeric keypad and function keys and never type anything.
bool IsNameEntryKey(int virtualKey);

struct NameEntry {
  std::array<std::uint8_t, 10> typed{};
  int editPosition = 0;  // 0..9
};

enum class NameEntryOutcome { Editing, Confirmed };

// Applies one key. Typing at the last position replaces the character there,
// which the cursor covers, so at most nine characters are ever kept.
NameEntryOutcome ApplyNameEntryKey(NameEntry& entry, int virtualKey);

// The name to store: the characters before the edit position, padded with
// spaces to ten bytes.
std::array<std::uint8_t, 10> ConfirmedName(const NameEntry& entry);

// The text drawn under "Gib deinen Namen ein": the typed characters, then the
// cursor glyph (blink on) or a space (blink off) at the edit position.
std::string NameEntryText(const NameEntry& entry, bool blinkOn);

}  // namespace logic
