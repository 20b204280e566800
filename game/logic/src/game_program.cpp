#include "logic/game_program.h"

#include <memory>

#include "logic/game_state.h"
#include "logic/level_setup.h"
#include "logic/random.h"
#include "logic/screen_flow.h"
#include "platform/platform.h"

namespace logic {

int RunGame(platform::Backend& backend) {
  platform::Platform platform;
  // The game record holds hundreds of fireworks sparks; it lives for the
  // whole run, so it is allocated once here rather than on the stack.
  auto state = std::make_unique<GameState>();

  if (!platform::StartUp(platform, backend)) return 0;
  SeedRandom(state->random, static_cast<std::uint32_t>(backend.CalendarSeconds()));

  const bool loaded = platform::LoadAssets(platform, [&] { ChooseGameFile(*state, platform); });
  if (!loaded || platform.endRequested) {
    // The message has been shown; nothing of the session is worth keeping
    // except that devices are let go in order.
    platform::ShutDown(platform);
    return 0;
  }

  platform::LoopHooks hooks;
  hooks.keyDown = [&](int virtualKey) { HandleKeyDown(*state, platform, virtualKey); };
  hooks.frame = [&](std::uint32_t milliseconds) {
    RunFrame(*state, platform, milliseconds);
    platform::AllowScreenSaver(platform, ScreenSaverMayRun(*state));
  };
  hooks.running = [&] { return state->flow.running; };
  const int exitCode = platform::RunMainLoop(platform, hooks);

  platform::ShutDown(platform);
  return exitCode;
}

}  // namespace logic
