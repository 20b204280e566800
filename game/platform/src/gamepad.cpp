#include "platform/gamepad.h"

#include <algorithm>
#include <cmath>

namespace platform {

double PadCursor::StickSpeed(double deflection) const {
  const double magnitude = std::min(std::fabs(deflection), 1.0);
  if (magnitude <= kDeadZone) return 0.0;
  // Squared past the dead zone: small pushes aim finely, a full push travels.
  const double travel = (magnitude - kDeadZone) / (1.0 - kDeadZone);
  return std::copysign(travel * travel * kStickUnitsPerSecond, deflection);
}

bool PadCursor::Moving(const PadPointing& pointing) const {
  return pointing.left || pointing.right || pointing.up || pointing.down ||
         std::fabs(pointing.stickX) > kDeadZone || std::fabs(pointing.stickY) > kDeadZone;
}

void PadCursor::Advance(const PadPointing& pointing, int milliseconds, int& dx, int& dy) {
  dx = dy = 0;
  const double seconds = std::max(milliseconds, 0) / 1000.0;
  const int padX = (pointing.right ? 1 : 0) - (pointing.left ? 1 : 0);
  const int padY = (pointing.down ? 1 : 0) - (pointing.up ? 1 : 0);
  double padSpeed = 0.0;
  if (padX != 0 || padY != 0) {
    const double share = std::min(padHeldSeconds_ / kPadSecondsToTop, 1.0);
    padSpeed = kPadStartUnitsPerSecond + share * (kPadTopUnitsPerSecond - kPadStartUnitsPerSecond);
    padHeldSeconds_ += seconds;
  } else {
    padHeldSeconds_ = 0.0;
  }
  if (!Moving(pointing)) {
    remainderX_ = remainderY_ = 0.0;  // a new push starts from a whole unit
    return;
  }
  remainderX_ += (StickSpeed(pointing.stickX) + padX * padSpeed) * seconds;
  remainderY_ += (StickSpeed(pointing.stickY) + padY * padSpeed) * seconds;
  dx = static_cast<int>(std::trunc(remainderX_));
  dy = static_cast<int>(std::trunc(remainderY_));
  remainderX_ -= dx;
  remainderY_ -= dy;
}

}  // namespace platform
