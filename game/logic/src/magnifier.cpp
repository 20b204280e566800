#include "logic/magnifier.h"

#include "logic/game_state.h"
#include "logic/level_rules.h"
#include "platform/asset_numbers.h"
#include "platform/platform.h"

namespace logic {
namespace {

using platform::asset::kLeftPictureSlot;
using platform::asset::kRightPictureSlot;
constexpr int kLeftPictureX = 10, kRightPictureX = 524, kPictureTop = 73;
constexpr int kRightButton = 1;

}  // namespace

bool PlaceLenses(int cursorX, int cursorY, LensPlacement& placement) {
  if (!InPictureArea(cursorX, cursorY)) return false;
  // The same picture-local point a click tests, so the lens centre is
  // exactly what a click there would hit.
  const bool onLeft = cursorX < 492;
  placement.pictureX = onLeft ? LeftPictureX(cursorX) : RightPictureX(cursorX);
  placement.pictureY = PictureY(cursorY);
  placement.leftCentreX = kLeftPictureX + placement.pictureX;
  placement.rightCentreX = kRightPictureX + placement.pictureX;
  placement.centreY = kPictureTop + placement.pictureY;
  return true;
}

void DrawMagnifier(const GameState& state, platform::Platform& platform, const platform::MouseReading& reading) {
  if ((reading.buttons[kRightButton] & 0x80) == 0) return;
  LensPlacement placement;
  if (!PlaceLenses(state.play.cursorX, state.play.cursorY, placement)) return;
  platform::Lens lens;
  lens.radius = kLensRadius;
  lens.zoom = kLensZoom;
  lens.centreY = placement.centreY;
  lens.centreX = placement.leftCentreX;
  platform::DrawLens(platform, lens, kLeftPictureSlot, placement.pictureX, placement.pictureY);
  lens.centreX = placement.rightCentreX;
  platform::DrawLens(platform, lens, kRightPictureSlot, placement.pictureX, placement.pictureY);
}

}  // namespace logic
