#pragma once
// Turns a gamepad's left stick and d-pad into mouse motion, so a pad drives
// the same cursor the screens move with the mouse. Toolkit-free: the SDL
// backend feeds it the pad's state, tests feed it numbers.
namespace platform {

// One reading of the pad's pointing controls.
struct PadPointing {
  double stickX = 0.0;  // -1 (left) .. 1 (right)
  double stickY = 0.0;  // -1 (up) .. 1 (down)
  bool left = false, right = false, up = false, down = false;  // d-pad
};

// Motion in mouse units (the menu moves its cursor one pixel per unit, the
// play screen two). Fractions are carried over, so a slow push still moves.
class PadCursor {
 public:
  // Inner part of the stick's travel that moves nothing: worn sticks rest
  // off centre.
  static constexpr double kDeadZone = 0.2;
  // Stick fully pushed: the menu's width in under two seconds.
  static constexpr double kStickUnitsPerSecond = 600.0;
  // The d-pad starts slow, for single pixels on the sliders, and speeds up
  // while held.
  static constexpr double kPadStartUnitsPerSecond = 40.0;
  static constexpr double kPadTopUnitsPerSecond = 500.0;
  static constexpr double kPadSecondsToTop = 1.2;

  // Motion for `milliseconds` of the controls held as in `pointing`.
  void Advance(const PadPointing& pointing, int milliseconds, int& dx, int& dy);
  bool Moving(const PadPointing& pointing) const;

 private:
  double StickSpeed(double deflection) const;
  double remainderX_ = 0.0;
  double remainderY_ = 0.0;
  double padHeldSeconds_ = 0.0;
};

}  // namespace platform
