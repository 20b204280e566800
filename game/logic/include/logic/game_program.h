#pragma once
// The whole run of qxdata on a given backend: start-up in its fixed order,
// the choice of the game file and the assets, the frame loop, shut-down.
// main passes the SDL backend; tests pass the headless one.
namespace platform {
class Backend;
}

namespace logic {

// Returns the program's exit code (0, also after a fatal message).
int RunGame(platform::Backend& backend);

}  // namespace logic
