// qxdata: starts the platform in its fixed order, settles the game file,
// loads every asset and runs one screen per frame until the player quits.
#include <memory>

#include "logic/level_setup.h"
#include "logic/game_state.h"
#include "logic/random.h"
#include "logic/screen_flow.h"
#include "platform/platform.h"
#include "platform/sdl_backend.h"

int main() {
  platform::SdlBackend backend;
  platform::Platform platform;
  // The game record is large (fireworks sparks) and lives for the whole run.
  auto state = std::make_unique<logic::GameState>();

  if (!platform::StartUp(platform, backend)) return 0;
  logic::SeedRandom(state->random, static_cast<std::uint32_t>(backend.CalendarSeconds()));
  state->startCursorX = platform.startCursorX;
  state->startCursorY = platform.startCursorY;

  const bool loaded = platform::LoadAssets(platform, [&] { logic::ChooseGameFile(*state, platform); });
  if (!loaded || platform.endRequested) {
    platform::ReleaseDisplay(platform);
    return 0;
  }

  platform::LoopHooks hooks;
  hooks.keyDown = [&](int virtualKey) { logic::HandleKeyDown(*state, platform, virtualKey); };
  hooks.frame = [&] { logic::RunFrame(*state, platform); };
  hooks.running = [&] { return state->flow.running; };
  const int exitCode = platform::RunMainLoop(platform, hooks);

  platform::ShutDown(platform);
  return exitCode;
}
