#include "logic/menu.h"

#include <algorithm>
#include <array>
#include <optional>

#include "logic/high_scores.h"
#include "logic/level_setup.h"
#include "logic/menu_layout.h"
#include "platform/asset_numbers.h"
#include "platform/platform.h"

namespace logic {
namespace {

namespace asset = platform::asset;

using platform::Platform;

constexpr int kUnsetCursor = -99999;
constexpr int kHelpLineX = 365, kHelpLineY = 735;

constexpr std::array<MenuItem, kMenuItemCount> kItems{MenuItem::NewGame, MenuItem::HighScore, MenuItem::Info,
                                                      MenuItem::Quit};
constexpr std::array<int, kMenuItemCount> kItemTextY{275, 365, 445, 530};

MenuArtSizes ArtSizes(const Platform& platform) {
  MenuArtSizes sizes;
  sizes.switchWidth = platform.images[asset::kSpeechOnSlot].width;
  sizes.switchHeight = platform.images[asset::kSpeechOnSlot].height;
  sizes.knobWidth = platform.images[asset::kKnobSlot].width;
  sizes.knobHeight = platform.images[asset::kKnobSlot].height;
  sizes.barWidth = platform.images[asset::kBarSlot].width;
  sizes.barHeight = platform.images[asset::kBarSlot].height;
  return sizes;
}

SoundVolumes Volumes(const Platform& platform) {
  return {platform.sound.musicVolume, platform.sound.effectsVolume, platform.sound.speechVolume};
}

bool IsOn(const Platform& platform, SoundOption option) {
  switch (option) {
    case SoundOption::Music: return platform.sound.musicOn != 0;
    case SoundOption::Effects: return platform.sound.effectsOn != 0;
    case SoundOption::Speech: return platform.sound.speechOn != 0;
  }
  return false;
}

void DrawSlotAt(Platform& platform, int slot, int x, int y, bool keyed, int extraHeight = 0) {
  const auto& image = platform.images[slot];
  const platform::Rect rect{x, y, x + image.width, y + image.height + extraHeight};
  if (keyed) {
    platform::DrawSlotKeyed(platform, rect, slot);
  } else {
    platform::DrawSlot(platform, rect, slot);
  }
}

void ShowHover(GameState& state, Platform& platform, const MenuArtSizes& sizes) {
  MenuScreen& menu = state.menu;
  if (auto item = MenuItemAt(menu.cursorX, menu.cursorY)) {
    if (menu.hoverSound) platform::PlayEffect(platform, asset::kTickSound);
    const MenuBox box = MenuItemBox(*item);
    DrawSlotAt(platform, asset::kMenuHighlightSlot, box.left, box.top, true);
    menu.hoverSound = false;
  } else if (auto option = SwitchHoveredAt(menu.cursorX, menu.cursorY, sizes)) {
    platform::DrawText(platform, SwitchHelpLine(*option, IsOn(platform, *option)), kHelpLineX, kHelpLineY, 25, 25);
  } else if (auto knob = KnobHoveredAt(menu.cursorX, menu.cursorY, Volumes(platform), sizes)) {
    platform::DrawText(platform, KnobHelpLine(*knob), kHelpLineX, kHelpLineY, 25, 25);
  } else {
    menu.hoverSound = true;
  }
}

void MoveCursor(MenuScreen& menu, const Platform& platform, const platform::MouseReading& mouse) {
  menu.cursorX += mouse.dx;
  menu.cursorY += mouse.dy;
  menu.cursorY = std::clamp(menu.cursorY, 0, 768);
  menu.cursorX = std::max(menu.cursorX, -platform.images[asset::kRightPictureSlot].width);
  menu.cursorX = std::min(menu.cursorX, 1024);
}

// Sliders follow a held button: no release is needed between two frames.
void DragSliders(GameState& state, Platform& platform, const MenuArtSizes& sizes) {
  const int x = state.menu.cursorX, y = state.menu.cursorY;
  platform::SoundSettings& sound = platform.sound;
  const std::optional<int> volume = SliderVolumeAt(x, sizes);
  if (InSliderRow(SoundOption::Music, x, y, sizes)) {
    if (volume) sound.musicVolume = static_cast<std::uint8_t>(*volume);
    platform::SetMusicVolume(platform, asset::kMenuMusic, sound.musicVolume);
    state.buttonReleaseLatch = false;
  } else if (InSliderRow(SoundOption::Effects, x, y, sizes)) {
    // The sample plays at the volume before this frame's change.
    if (!platform::IsSoundPlaying(platform, asset::kBounceSound)) platform::PlayEffect(platform, asset::kBounceSound);
    if (volume) sound.effectsVolume = static_cast<std::uint8_t>(*volume);
    state.buttonReleaseLatch = false;
  } else if (InSliderRow(SoundOption::Speech, x, y, sizes)) {
    if (volume) sound.speechVolume = static_cast<std::uint8_t>(*volume);
    state.buttonReleaseLatch = false;
    if (!platform::IsSoundPlaying(platform, asset::kTwoLeftOtherSpeech)) platform::PlaySpeech(platform, asset::kTwoLeftOtherSpeech);
  }
}

void ToggleSwitch(GameState& state, Platform& platform, const MenuArtSizes& sizes) {
  if (!state.buttonReleaseLatch) return;
  const auto option = SwitchClickedAt(state.menu.cursorX, state.menu.cursorY, sizes);
  if (!option) return;
  platform::SoundSettings& sound = platform.sound;
  switch (*option) {
    case SoundOption::Music:
      if (sound.musicOn) {
        sound.musicOn = 0;
        platform::StopMusic(platform, asset::kMenuMusic);
        platform::RewindMusic(platform, asset::kMenuMusic);
      } else {
        sound.musicOn = 1;
        platform::PlayMusic(platform, asset::kMenuMusic);
      }
      break;
    case SoundOption::Effects: sound.effectsOn = sound.effectsOn ? 0 : 1; break;
    case SoundOption::Speech: sound.speechOn = sound.speechOn ? 0 : 1; break;
  }
  state.buttonReleaseLatch = false;
}

void ChooseItem(GameState& state, Platform& platform, MenuItem item) {
  platform::StopMusic(platform, asset::kMenuMusic);
  platform::RewindMusic(platform, asset::kMenuMusic);
  switch (item) {
    case MenuItem::NewGame:
      SetUpLevel(state, platform);
      state.flow.gameState = kStatePlay;
      break;
    case MenuItem::HighScore:
      PrepareHighScores(state);
      state.buttonReleaseLatch = false;
      state.flow.gameState = kStateHighScore;
      break;
    case MenuItem::Info:
      state.credits.counter = 0;
      state.buttonReleaseLatch = false;
      state.flow.gameState = kStateCredits;
      break;
    case MenuItem::Quit: state.flow.running = false; break;
  }
}

void HandleButton(GameState& state, Platform& platform, const platform::MouseReading& mouse,
                  const MenuArtSizes& sizes) {
  if ((mouse.buttons[0] & 0x80) == 0) {
    state.buttonReleaseLatch = true;
    return;
  }
  DragSliders(state, platform, sizes);
  ToggleSwitch(state, platform, sizes);
  // A click that toggled a switch has cleared the latch, so it triggers no item.
  if (!state.buttonReleaseLatch) return;
  if (auto item = MenuItemAt(state.menu.cursorX, state.menu.cursorY)) ChooseItem(state, platform, *item);
}

void DrawSoundOptions(Platform& platform) {
  const platform::SoundSettings& sound = platform.sound;
  DrawSlotAt(platform, sound.musicOn ? asset::kMusicOnSlot : asset::kMusicOffSlot, kSwitchLeft, SwitchTop(SoundOption::Music), false);
  DrawSlotAt(platform, sound.effectsOn ? asset::kEffectsOnSlot : asset::kEffectsOffSlot, kSwitchLeft, SwitchTop(SoundOption::Effects), false);
  DrawSlotAt(platform, sound.speechOn ? asset::kSpeechOnSlot : asset::kSpeechOffSlot, kSwitchLeft, SwitchTop(SoundOption::Speech), false);
  for (SoundOption option : {SoundOption::Music, SoundOption::Effects, SoundOption::Speech}) {
    DrawSlotAt(platform, asset::kBarSlot, kBarLeft, BarTop(option), false);
  }
  const SoundVolumes volumes = Volumes(platform);
  for (SoundOption option : {SoundOption::Music, SoundOption::Effects, SoundOption::Speech}) {
    DrawSlotAt(platform, asset::kKnobSlot, KnobLeft(volumes.Of(option)), BarTop(option), true, 1);
  }
}

}  // namespace

void MenuFrame(GameState& state, platform::Platform& platform) {
  MenuScreen& menu = state.menu;
  if (menu.cursorX == kUnsetCursor) {
    menu.cursorX = platform.startCursorX;
    menu.cursorY = platform.startCursorY;
  }
  if (state.flow.menuMusic) {
    platform::PlayMusic(platform, asset::kMenuMusic);
    state.flow.menuMusic = false;
  }
  platform::ClearBackBuffer(platform, 1024, 768);
  DrawSlotAt(platform, asset::kMenuBackgroundSlot, 0, 0, false);

  const MenuArtSizes sizes = ArtSizes(platform);
  ShowHover(state, platform, sizes);
  for (int i = 0; i < kMenuItemCount; ++i) {
    platform::DrawText(platform, MenuItemText(kItems[i]), 360, kItemTextY[i], 25, 25);
  }

  const platform::MouseReading mouse = platform::ReadMouse(platform);
  MoveCursor(menu, platform, mouse);
  HandleButton(state, platform, mouse, sizes);

  // An item may have left the menu; the frame is still finished and shown.
  DrawSoundOptions(platform);
  DrawSlotAt(platform, asset::kCursorSlot, menu.cursorX, menu.cursorY, true);
  platform::present(platform);
}

}  // namespace logic
