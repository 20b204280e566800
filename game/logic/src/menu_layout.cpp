#include "logic/menu_layout.h"

#include <array>

namespace logic {
namespace {

constexpr std::array<MenuBox, kMenuItemCount> kItemBoxes{{
    {350, 718, 249, 318},
    {349, 720, 335, 400},
    {347, 716, 417, 482},
    {346, 714, 503, 570},
}};

constexpr std::array<SoundOption, kSoundOptionCount> kOptions{SoundOption::Music, SoundOption::Effects,
                                                              SoundOption::Speech};

// The switches' sensitive area starts left of the drawn switch.
constexpr int kSwitchAreaLeft = 341;
// Knobs are hit from 24 pixels left of where they are drawn.
constexpr int kKnobAreaShift = 24;

bool Within(int value, int low, int high) { return value >= low && value <= high; }

int Index(SoundOption option) { return static_cast<int>(option); }

std::optional<SoundOption> SwitchAt(int x, int y, const MenuArtSizes& sizes, const std::array<int, 3>& tops) {
  if (!Within(x, kSwitchAreaLeft, kSwitchAreaLeft + sizes.switchWidth)) return std::nullopt;
  for (SoundOption option : kOptions) {
    const int top = tops[Index(option)];
    if (Within(y, top, top + sizes.switchHeight)) return option;
  }
  return std::nullopt;
}

}  // namespace

int SoundVolumes::Of(SoundOption option) const {
  switch (option) {
    case SoundOption::Music: return music;
    case SoundOption::Effects: return effects;
    case SoundOption::Speech: return speech;
  }
  return 0;
}

MenuBox MenuItemBox(MenuItem item) { return kItemBoxes[static_cast<int>(item)]; }

const char* MenuItemText(MenuItem item) {
  switch (item) {
    case MenuItem::NewGame: return "    Neues Spiel \n";
    case MenuItem::HighScore: return "     Highscore  \n";
    case MenuItem::Info: return "      Info     \n";
    case MenuItem::Quit: return "     Beenden   \n";
  }
  return "";
}

std::optional<MenuItem> MenuItemAt(int x, int y) {
  for (int i = 0; i < kMenuItemCount; ++i) {
    const MenuBox& box = kItemBoxes[i];
    if (Within(x, box.left, box.right) && Within(y, box.top, box.bottom)) return static_cast<MenuItem>(i);
  }
  return std::nullopt;
}

std::optional<SoundOption> SwitchHoveredAt(int x, int y, const MenuArtSizes& sizes) {
  return SwitchAt(x, y, sizes, {600, 635, 675});
}

std::optional<SoundOption> SwitchClickedAt(int x, int y, const MenuArtSizes& sizes) {
  return SwitchAt(x, y, sizes, {600, 635, 670});
}

std::optional<SoundOption> KnobHoveredAt(int x, int y, const SoundVolumes& volumes, const MenuArtSizes& sizes) {
  for (SoundOption option : kOptions) {
    const int left = KnobLeft(volumes.Of(option)) - kKnobAreaShift;
    const int top = BarTop(option);
    if (Within(x, left, left + sizes.knobWidth) && Within(y, top, top + sizes.knobHeight)) return option;
  }
  return std::nullopt;
}

const char* SwitchHelpLine(SoundOption option, bool on) {
  switch (option) {
    case SoundOption::Music: return on ? "     Musik an   \n" : "    Musik aus   \n";
    case SoundOption::Effects: return on ? "  Soundeffekte an   \n" : " Soundeffekte aus   \n";
    case SoundOption::Speech: return on ? "  Sprachausgabe an\n" : "  Sprachausgabe aus \n";
  }
  return "";
}

const char* KnobHelpLine(SoundOption option) {
  switch (option) {
    case SoundOption::Music: return "Lautstaerke Musik\n";
    case SoundOption::Effects: return "Lautstaerke Sound\n";
    case SoundOption::Speech: return "Lautstaerke Sprache\n";
  }
  return "";
}

bool InSliderRow(SoundOption option, int x, int y, const MenuArtSizes& sizes) {
  // Speech's drag row starts at 670, five pixels above its bar.
  static constexpr std::array<int, 3> kRowTops{605, 640, 670};
  const int top = kRowTops[Index(option)];
  return Within(x, kBarLeft - kKnobAreaShift, kBarLeft - kKnobAreaShift + sizes.barWidth) &&
         Within(y, top, top + sizes.barHeight);
}

std::optional<int> SliderVolumeAt(int x, const MenuArtSizes& sizes) {
  if (!Within(x, kBarLeft, kBarLeft + 300 - sizes.knobWidth)) return std::nullopt;
  return (x - kBarLeft) / 3;
}

int SwitchTop(SoundOption option) { return 600 + 35 * Index(option); }
int BarTop(SoundOption option) { return 605 + 35 * Index(option); }

}  // namespace logic
