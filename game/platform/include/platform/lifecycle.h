#pragma once
// Start-up, the main loop with its frame pacing, shut-down, vol.qxf and the
// fatal messages of qxdata.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "platform/types.h"

namespace platform {

class Backend;
struct Platform;

// The maker's addresses, named in several messages.
inline constexpr std::string_view kMakerWebAddress = "https://www.vistrel.example";
inline constexpr std::string_view kMakerSupportEmail = "support@vistrel.example";

// Start-up steps 1-11 in order: start directory, window, input, start
// cursor, sound, vol.qxf, music and sounds, display (32-bit, then 16-bit),
// random seed. False when the program must end (message already shown);
// main then returns 0.
bool StartUp(Platform& platform, Backend& backend);

// Writes vol.qxf and releases display, input and sound, in that order.
void ShutDown(Platform& platform);

// Hooks the main loop calls into the game logic.
struct LoopHooks {
  std::function<void(int virtualKey)> keyDown;  // one key-down message
  // One frame (screen chosen by the logic), given the frame's time in
  // milliseconds: the pacing clock's reading that made the frame due.
  std::function<void(std::uint32_t milliseconds)> frame;
  std::function<bool()> running;                // the running flag
};

// Sets up the frame pacing (at most 100 frames a second, 33 ms without the
// high-resolution clock) from the clock's present value.
void StartFramePacing(Platform& platform);
// True when the next frame is due; then moves the next-frame time to the
// reading plus one interval (late frames are not caught up).
bool FrameDue(Platform& platform);

// One iteration's event: takes at most one event, applies mouse events, and
// reports a key or a quit request. Returns false when no event was pending.
struct PumpedEvent {
  bool quit = false;
  int virtualKey = 0;  // 0 when the event was not a game key
};
bool PumpEvent(Platform& platform, PumpedEvent& event);

// The main loop: one event per iteration, no frame in an iteration that
// handled an event, otherwise a frame when due. Ends on a quit request,
// when running() turns false, or when platform.endRequested is set. Returns
// the exit code (0).
int RunMainLoop(Platform& platform, const LoopHooks& hooks);

// Lets the screen saver start (the game waits for the player) or keeps it
// off (a level runs). Tells the backend only of changes.
void AllowScreenSaver(Platform& platform, bool allowed);

// vol.qxf: six bytes; a missing "on" byte reads as on, a missing volume as
// 255; "on" bytes other than 0 become 1.
SoundSettings DecodeSoundSettings(std::span<const std::uint8_t> bytes);
void ReadSoundSettings(Platform& platform);   // creates the file if it is missing
bool WriteSoundSettings(Platform& platform);

// Makes the start directory current again (before every file access).
void RestoreStartDirectory(const Platform& platform);

// Fatal and technical messages.
void ShowMessage(Platform& platform, std::string_view caption, std::string_view text);
// The missing-file message naming `fileName` as the catalogue gives it.
std::string MissingFileMessage(std::string_view fileName);
// Shows `text` with caption "Fehler" and asks the program to end.
void FailWithMessage(Platform& platform, std::string_view caption, std::string_view text);

}  // namespace platform
