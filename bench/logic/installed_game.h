#pragma once
// A game started on the headless backend with the real artwork, sounds,
// music and picture set of the installation folder (found at its build
// location, VISTREL_DIST_DIR), so the benchmarks draw what the player sees.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "logic/game_state.h"
#include "logic/level_setup.h"
#include "logic/screen_flow.h"
#include "platform/headless_backend.h"
#include "platform/platform.h"

namespace benchgame {

namespace fs = std::filesystem;

// A start directory of its own whose data folder is the installed one, so
// the settings and played-picture files the game writes land here and not
// in the installation folder.
class StartDirectory {
 public:
  StartDirectory() {
    std::string pattern = (fs::temp_directory_path() / "vistrel-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return;
    path_ = pattern;
    const fs::path data = fs::path(VISTREL_DIST_DIR) / "data";
    std::error_code error;
    if (!fs::is_directory(data, error)) return;
    fs::create_directory_symlink(data, path_ / "data", error);
    ready_ = !error;
    if (ready_) fs::current_path(path_, error);
    ready_ = ready_ && !error;
  }
  ~StartDirectory() {
    std::error_code error;
    fs::current_path("/", error);
    if (!path_.empty()) fs::remove_all(path_, error);
  }
  StartDirectory(const StartDirectory&) = delete;
  StartDirectory& operator=(const StartDirectory&) = delete;
  bool ready() const { return ready_; }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
  bool ready_ = false;
};

// Started with every asset loaded, at 32 bits or (the display refusing 32)
// at 16, ready to run single frames as the main loop runs them.
class InstalledGame {
 public:
  explicit InstalledGame(int depth) {
    if (!directory_.ready()) {
      problem_ = "no installed data folder next to the game (build the data first)";
      return;
    }
    backend.refuseDepth32 = depth != 32;
    state = std::make_unique<logic::GameState>();
    if (!platform::StartUp(platform, backend) || platform.colourDepth != depth) {
      problem_ = "the display did not start at the asked depth";
      return;
    }
    // At 16 bits the player is told once that the game falls back to it.
    const std::size_t messagesBefore = backend.messages.size();
    const bool loaded = platform::LoadAssets(platform, [&] { logic::ChooseGameFile(*state, platform); });
    if (!loaded || platform.endRequested || backend.messages.size() != messagesBefore) {
      problem_ = "the assets did not load";
      return;
    }
    state->flow.intro = false;
  }
  ~InstalledGame() {
    if (state) platform::ShutDown(platform);
  }
  InstalledGame(const InstalledGame&) = delete;
  InstalledGame& operator=(const InstalledGame&) = delete;

  // Empty when the game is ready; otherwise why it is not.
  const std::string& problem() const { return problem_; }

  // One frame 10 ms after the previous one, as the main loop runs it:
  // pending input first, then the screen.
  void Frame() {
    backend.AdvanceClock(10'000);
    platform::PumpedEvent event;
    while (platform::PumpEvent(platform, event)) {
      if (event.virtualKey != 0) logic::HandleKeyDown(*state, platform, event.virtualKey);
    }
    logic::RunFrame(*state, platform, backend.Milliseconds());
  }
  void Frames(int count) {
    for (int i = 0; i < count; ++i) Frame();
  }

  platform::HeadlessBackend backend;
  platform::Platform platform;
  std::unique_ptr<logic::GameState> state;

 private:
  StartDirectory directory_;
  std::string problem_;
};

}  // namespace benchgame
