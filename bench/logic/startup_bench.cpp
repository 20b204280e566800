// Start-up of the game as a process: from starting it to its first
// presented frame, and the peak memory (resident set) the process reached.
// Each iteration starts a fresh startup_probe in a start directory that
// links the installed data folder, so nothing is warm but the file cache.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "installed_game.h"

extern char** environ;

namespace {

long long MonotonicNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

struct ProbeRun {
  bool ok = false;
  double seconds = 0;
  double peakMegabytes = 0;
};

// Starts the probe, reads the time of its first frame from its output and
// its peak resident set from the kernel's account of the ended child.
ProbeRun RunProbe(const char* mode) {
  ProbeRun run;
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return run;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  std::string program = STARTUP_PROBE;
  char* argv[] = {program.data(), const_cast<char*>(mode), nullptr};
  pid_t child = 0;
  const long long started = MonotonicNanoseconds();
  const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  std::string output;
  char buffer[64];
  for (ssize_t n; spawned == 0 && (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) output.append(buffer, n);
  close(pipeEnds[0]);
  if (spawned != 0) return run;
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return run;
  const long long firstFrame = std::atoll(output.c_str());
  if (firstFrame <= started) return run;
  run.ok = true;
  run.seconds = static_cast<double>(firstFrame - started) / 1e9;
  run.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
  return run;
}

void StartUp(benchmark::State& bench, const char* mode) {
  benchgame::StartDirectory directory;
  if (!directory.ready()) {
    bench.SkipWithError("no installed data folder next to the game (build the data first)");
    return;
  }
  double peak = 0;
  for (auto _ : bench) {
    const ProbeRun run = RunProbe(mode);
    if (!run.ok) {
      bench.SkipWithError("the game did not reach its first frame");
      return;
    }
    bench.SetIterationTime(run.seconds);
    peak = std::max(peak, run.peakMegabytes);
  }
  bench.counters["peak_MB"] = peak;
}

void BM_StartUpToFirstFrame_Headless(benchmark::State& bench) { StartUp(bench, "headless"); }

// The real window on whatever display there is; skipped without one.
void BM_StartUpToFirstFrame_SdlWindow(benchmark::State& bench) {
  const char* video = std::getenv("SDL_VIDEODRIVER");
  if (std::getenv("DISPLAY") == nullptr || (video != nullptr && std::string(video) == "dummy")) {
    bench.SkipWithError("no X display for the SDL window");
    return;
  }
  StartUp(bench, "sdl");
}

BENCHMARK(BM_StartUpToFirstFrame_Headless)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_StartUpToFirstFrame_SdlWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
