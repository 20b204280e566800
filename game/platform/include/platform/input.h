#pragma once
// Relative mouse motion and button states, read once per frame; key codes.
#include <SDL.h>

#include "platform/types.h"

namespace platform {

struct Platform;

void StartInput(Platform& platform);
// Net motion and button states since the previous reading. A button pressed
// and released between two readings still reads as down (0x80) once.
MouseReading ReadMouse(Platform& platform);
void ReleaseInput(Platform& platform);

// Feeds one mouse event into the state ReadMouse reports from.
void ApplyMouseEvent(Platform& platform, const InputEvent& event);

// Windows virtual-key code of an SDL key (letters 65..90, Escape 27,
// Backspace 8, Return 13, Space 32, left/right Windows keys 91/92), or 0
// for keys the game never sees.
int VirtualKeyFromSdl(SDL_Keycode key);

// Moves a point of a desktop of the given size into the coordinates of the
// 1024 x 768 frame shown letterboxed on it, so a cursor position read from
// the desktop means the same place in the game's frame. A point on a bar
// beside the frame lands just outside 0..1023 / 0..767.
void DesktopPointToFrame(int desktopWidth, int desktopHeight, int& x, int& y);

}  // namespace platform
