#include "logic/name_entry.h"

namespace logic {

bool IsNameEntryKey(int virtualKey) {
  return (virtualKey >= 'A' && virtualKey <= 'Z') || virtualKey == kKeyBackspace ||
         virtualKey == kKeyReturn || virtualKey == kKeySpace;
}

NameEntryOutcome ApplyNameEntryKey(NameEntry& entry, int virtualKey) {
  if (virtualKey == kKeyReturn) return NameEntryOutcome::Confirmed;
  if (virtualKey == kKeyBackspace) {
    if (entry.editPosition > 0) {
      --entry.editPosition;
      entry.typed[entry.editPosition] = 0;
    }
    return NameEntryOutcome::Editing;
  }
  if (!IsNameEntryKey(virtualKey)) return NameEntryOutcome::Editing;
  entry.typed[entry.editPosition] = static_cast<std::uint8_t>(virtualKey);
  if (entry.editPosition < kNameEntryLastPosition) ++entry.editPosition;
  return NameEntryOutcome::Editing;
}

std::array<std::uint8_t, 10> ConfirmedName(const NameEntry& entry) {
  std::array<std::uint8_t, 10> name;
  name.fill(' ');
  for (int i = 0; i < entry.editPosition; ++i) name[i] = entry.typed[i];
  return name;
}

std::string NameEntryText(const NameEntry& entry, bool blinkOn) {
  std::string text(entry.typed.begin(), entry.typed.begin() + entry.editPosition);
  text.push_back(blinkOn ? static_cast<char>(kCursorGlyph) : ' ');
  return text;
}

}  // namespace logic
