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

}  // namespace platform
