#pragma once
// Where the main menu's items, switches and sliders lie and what a cursor
// position over them means. Toolkit-free, so the rules are checked without a
// display; MenuFrame draws and acts on what these functions decide.
#include <optional>

namespace logic {

enum class MenuItem { NewGame, HighScore, Info, Quit };
enum class SoundOption { Music, Effects, Speech };

inline constexpr int kMenuItemCount = 4;
inline constexpr int kSoundOptionCount = 3;

// Inclusive bounds in menu-cursor coordinates; the highlight is drawn at
// (left, top).
struct MenuBox {
  int left, right, top, bottom;
};

// The sizes of the menu artwork as loaded (image slots 101, 104, 105).
struct MenuArtSizes {
  int switchWidth = 32, switchHeight = 30;  // slot 101
  int knobWidth = 31, knobHeight = 16;      // slot 104
  int barWidth = 301, barHeight = 19;       // slot 105
};

struct SoundVolumes {
  int music = 0, effects = 0, speech = 0;
  int Of(SoundOption option) const;
};

MenuBox MenuItemBox(MenuItem item);
const char* MenuItemText(MenuItem item);
std::optional<MenuItem> MenuItemAt(int x, int y);

// Hovering shows a help line: over a switch its state, over a knob the
// option it sets. Speech's switch is hovered from y 675 but clicked from
// y 670; both areas are kept as the player knows them.
std::optional<SoundOption> SwitchHoveredAt(int x, int y, const MenuArtSizes& sizes);
std::optional<SoundOption> KnobHoveredAt(int x, int y, const SoundVolumes& volumes, const MenuArtSizes& sizes);
std::optional<SoundOption> SwitchClickedAt(int x, int y, const MenuArtSizes& sizes);

const char* SwitchHelpLine(SoundOption option, bool on);
const char* KnobHelpLine(SoundOption option);

// Whether the cursor lies in the slider row of the option (the area where a
// held button drags the knob).
bool InSliderRow(SoundOption option, int x, int y, const MenuArtSizes& sizes);

// The volume a held button at x sets, or nothing beyond the bar's ends (the
// last value then stays). Runs from 0 to (300 - knob width) / 3.
std::optional<int> SliderVolumeAt(int x, const MenuArtSizes& sizes);

// Top-left corners of the switch, bar and knob of each option row.
int SwitchTop(SoundOption option);
int BarTop(SoundOption option);
inline constexpr int kSwitchLeft = 365;
inline constexpr int kBarLeft = 405;
inline constexpr int KnobLeft(int volume) { return kBarLeft + 3 * volume; }

}  // namespace logic
