#include "logic/intro.h"

#include "platform/asset_numbers.h"
#include "platform/platform.h"

namespace logic {
namespace {

namespace asset = platform::asset;

using platform::Platform;

constexpr int kLogoFloor = 320;
constexpr int kTileRestY = 268;

constexpr std::array<int, kTitleTiles> kTileX{65, 150, 230, 310, 380, 455, 520, 595, 685, 775, 860};
// The eleven tiles spell "FEHLERSUCHE" with the eight letter images F, E,
// H, L, R, S, U, C of the intro artwork; letters that come again reuse
// their image.
constexpr std::array<int, kTitleTiles> kTileLetter{0, 1, 2, 3, 1, 4, 5, 6, 7, 2, 1};

constexpr int TileSlot(int tile) { return asset::kFirstTitleLetterSlot + kTileLetter[tile]; }

void DropLogo(IntroScreen& intro, Platform& platform) {
  if (intro.logoY >= kLogoFloor) {
    intro.logoY = kLogoFloor - 1;
    intro.bouncing = true;
    platform::PlayEffect(platform, asset::kBounceSound);
    intro.logoSpeed = -4.0;
  }
  if (!intro.settled) {
    if (intro.bouncing) {
      if (intro.logoSpeed <= -0.5 || intro.logoSpeed >= 0.5) {
        intro.logoY -= static_cast<int>(intro.logoSpeed);
        intro.logoSpeed -= 0.1;
      } else {
        intro.bouncing = false;
      }
    } else {
      intro.logoY += static_cast<int>(intro.logoSpeed);
      intro.logoSpeed += 0.1;
    }
  }
  if (intro.logoSpeed < 0) {
    intro.settled = true;
    if (intro.settleSoundAllowed) {
      platform::PlayEffect(platform, asset::kLogoSettleSound);
      intro.settleSoundAllowed = false;
    }
  }
}

void LogoPart(IntroScreen& intro, Platform& platform) {
  DropLogo(intro, platform);
  const auto& logo = platform.images[asset::kLogoSlot];
  platform::DrawSlotKeyed(platform, {470, intro.logoY, 470 + logo.width, intro.logoY + logo.height}, asset::kLogoSlot);
  if (intro.counter == 10) platform::PlayEffect(platform, asset::kIntroStartSound);
  if (intro.counter >= 400) platform::DrawText(platform, "presents", 445, 430, 25, 25);
}

// Tile k drops while 650 + 10k < I < 690 + 10k and rests at 268; from 1001 on
// all of them fall out of the screen.
void TitlePart(IntroScreen& intro, Platform& platform) {
  const int frame = intro.counter;
  if (frame == kIntroMusicFrame) platform::PlayMusic(platform, asset::kMenuMusic);
  for (int k = 0; k < kTitleTiles; ++k) {
    if (frame > 650 + 10 * k && frame < 690 + 10 * k) intro.tileY[k] += 12;
    if (frame >= 1001) intro.tileY[k] += 14;
    const int slot = TileSlot(k);
    const auto& image = platform.images[slot];
    platform::DrawSlotKeyed(platform, {kTileX[k], intro.tileY[k], kTileX[k] + image.width, intro.tileY[k] + image.height},
                            slot);
  }
  static_assert(-200 + 39 * 12 == kTileRestY);
}

void SlidePart(GameState& state, Platform& platform) {
  IntroScreen& intro = state.intro;
  intro.slide += 16;
  const auto& background = platform.images[asset::kMenuBackgroundSlot];
  const int top = intro.slide - 1024;
  platform::DrawSlot(platform, {0, top, background.width, top + background.height}, asset::kMenuBackgroundSlot);
  if (intro.counter == kIntroLastFrame) state.flow.intro = false;
}

}  // namespace

int TitleTileSlot(int tile) { return TileSlot(tile); }

void IntroFrame(GameState& state, platform::Platform& platform) {
  IntroScreen& intro = state.intro;
  ++intro.counter;
  platform::ClearBackBuffer(platform, 1024, 768);
  if (intro.counter < kIntroMusicFrame) {
    LogoPart(intro, platform);
  } else if (intro.counter <= 1040) {
    TitlePart(intro, platform);
  } else if (intro.counter <= kIntroLastFrame) {
    SlidePart(state, platform);
  }
  platform::present(platform);
}

}  // namespace logic
