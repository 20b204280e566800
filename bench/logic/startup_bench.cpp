// Start-up to the first frame and the cost of one frame of each screen, with
// the real artwork, sounds and music of the installation folder. The player
// waits through start-up once; every screen has 10 ms per frame.
//
// Run from anywhere: the installation folder is found at its build location
// (VISTREL_DIST_DIR); without its data folder the benchmarks report an error.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "logic/game_program.h"
#include "logic/game_state.h"
#include "logic/level_setup.h"
#include "logic/screen_flow.h"
#include "platform/headless_backend.h"
#include "platform/platform.h"

namespace {

namespace fs = std::filesystem;

// A start directory of its own whose data folder is the installed one, so
// the settings and played-picture files the game writes land here and not
// in the installation folder.
class StartDirectory {
 public:
  StartDirectory() {
    std::string pattern = (fs::temp_directory_path() / "vistrel-startup-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return;
    path_ = pattern;
    const fs::path data = fs::path(VISTREL_DIST_DIR) / "data";
    std::error_code error;
    if (!fs::is_directory(data, error)) return;
    fs::create_directory_symlink(data, path_ / "data", error);
    ready_ = !error;
  }
  ~StartDirectory() {
    std::error_code error;
    fs::current_path("/", error);
    if (!path_.empty()) fs::remove_all(path_, error);
  }
  bool ready() const { return ready_; }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
  bool ready_ = false;
};

bool EnterStartDirectory(benchmark::State& state, const StartDirectory& directory) {
  if (!directory.ready()) {
    state.SkipWithError("no installed data folder next to the game (build the data first)");
    return false;
  }
  fs::current_path(directory.path());
  return true;
}

// The whole start-up as the player sees it: window, settings, sound and
// music, display, every asset, up to the first presented intro frame.
void BM_StartUpToFirstFrame(benchmark::State& state) {
  StartDirectory directory;
  if (!EnterStartDirectory(state, directory)) return;
  for (auto _ : state) {
    platform::HeadlessBackend backend;
    backend.clockStepPerQuery = 1000;
    backend.onPresent = [](platform::HeadlessBackend& b, int frame) {
      if (frame == 1) b.ScriptQuit();
    };
    const int exitCode = logic::RunGame(backend);
    if (exitCode != 0 || backend.presentCount != 1 || !backend.messages.empty()) {
      state.SkipWithError("the game did not reach its first frame cleanly");
      return;
    }
  }
}
BENCHMARK(BM_StartUpToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(5);

// A started game with every asset loaded, ready to run single frames.
struct LoadedGame {
  LoadedGame() {
    backend.clockStepPerQuery = 0;
    state = std::make_unique<logic::GameState>();
    if (!platform::StartUp(platform, backend)) return;
    const bool loaded = platform::LoadAssets(platform, [&] { logic::ChooseGameFile(*state, platform); });
    ok = loaded && !platform.endRequested;
    state->flow.intro = false;
  }
  ~LoadedGame() { platform::ShutDown(platform); }
  // Runs one frame 10 ms after the previous one, as the main loop would.
  void Frame() {
    backend.AdvanceClock(10'000);
    logic::RunFrame(*state, platform);
  }
  platform::HeadlessBackend backend;
  platform::Platform platform;
  std::unique_ptr<logic::GameState> state;
  bool ok = false;
};

void RunScreenFrames(benchmark::State& state, int gameState) {
  StartDirectory directory;
  if (!EnterStartDirectory(state, directory)) return;
  LoadedGame game;
  if (!game.ok) {
    state.SkipWithError("start-up failed");
    return;
  }
  if (gameState == logic::kStatePlay) logic::SetUpLevel(*game.state, game.platform);
  game.state->flow.gameState = static_cast<std::uint8_t>(gameState);
  for (int warmUp = 0; warmUp < 400; ++warmUp) game.Frame();  // past intros and scroll-ins
  for (auto _ : state) {
    game.Frame();
    // The play clock runs out eventually; a fresh level keeps the search going.
    if (gameState == logic::kStatePlay && game.state->level.phase < 0) {
      state.PauseTiming();
      logic::SetUpLevel(*game.state, game.platform);
      for (int warmUp = 0; warmUp < 400; ++warmUp) game.Frame();
      state.ResumeTiming();
    }
    if (game.state->flow.gameState != gameState) {
      state.SkipWithError("the screen was left during the benchmark");
      return;
    }
  }
}

void BM_MenuFrame(benchmark::State& state) { RunScreenFrames(state, logic::kStateMenu); }
void BM_PlayFrame(benchmark::State& state) { RunScreenFrames(state, logic::kStatePlay); }
void BM_CreditsFrame(benchmark::State& state) { RunScreenFrames(state, logic::kStateCredits); }
BENCHMARK(BM_MenuFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlayFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CreditsFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
