// startup_probe: the game's whole start-up in a process of its own, ended
// right after its first presented frame. Writes the CLOCK_MONOTONIC time of
// that frame (nanoseconds) to standard output, so the parent that started it
// can tell how long the way from process start to the first frame took.
//
// startup_probe headless   the headless backend (no window, no devices)
// startup_probe sdl        the SDL backend the player gets, on $DISPLAY
#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <ctime>

#include "logic/game_program.h"
#include "platform/headless_backend.h"
#include "platform/sdl_backend.h"

namespace {

long long MonotonicNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

long long firstFrameAt = 0;

void NoteFirstFrame() {
  if (firstFrameAt == 0) firstFrameAt = MonotonicNanoseconds();
}

// The player's backend, asked to quit once the first frame is on screen.
class SdlProbe : public platform::SdlBackend {
 public:
  void Present(SDL_Surface& backBuffer) override {
    platform::SdlBackend::Present(backBuffer);
    if (firstFrameAt != 0) return;
    NoteFirstFrame();
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
  }
};

}  // namespace

int main(int argc, char** argv) {
  const bool sdl = argc > 1 && std::strcmp(argv[1], "sdl") == 0;
  int exitCode = 0;
  if (sdl) {
    SdlProbe backend;
    exitCode = logic::RunGame(backend);
  } else {
    platform::HeadlessBackend backend;
    backend.clockStepPerQuery = 1000;
    backend.onPresent = [](platform::HeadlessBackend& b, int frame) {
      if (frame == 1) {
        NoteFirstFrame();
        b.ScriptQuit();
      }
    };
    exitCode = logic::RunGame(backend);
    if (!backend.messages.empty()) exitCode = 3;
  }
  if (exitCode != 0 || firstFrameAt == 0) return exitCode == 0 ? 2 : exitCode;
  std::printf("%lld\n", firstFrameAt);
  return 0;
}
