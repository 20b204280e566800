#pragma once
// Whether the game shows itself on the whole screen or in a window. The
// choice is kept in a file of its own beside vol.qxf, whose six bytes stay
// exactly as they are.
#include <cstdint>
#include <span>

namespace platform {

struct Platform;

inline constexpr const char* kWindowSettingsFile = "fenster.qxf";

// One byte: 1 = in a window, anything else (or no byte) = full screen, the
// game's way from the start.
bool DecodeWindowedSetting(std::span<const std::uint8_t> bytes);

// Reads the choice into platform.windowed; a missing or damaged file means
// full screen and is left alone until the player switches.
void ReadWindowSettings(Platform& platform);
// Writes platform.windowed; false when the file could not be written (the
// choice then holds for this run only).
bool WriteWindowSettings(Platform& platform);

}  // namespace platform
