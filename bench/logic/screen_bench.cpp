// The cost of one frame of every screen at its busiest moment, at 32 and at
// 16 bits, with the real artwork; and, as the floor no frame can go below,
// one plain copy of a whole 1024 x 768 frame in the same run.
//
// Each benchmark plays the game up to its moment, keeps a copy of the game
// record there and puts it back before every measured frame, so every
// iteration draws that same busiest frame (the restoring is not timed).
#include <benchmark/benchmark.h>

#include <cstring>
#include <functional>
#include <vector>

#include "installed_game.h"
#include "logic/high_scores.h"
#include "logic/level_rules.h"

namespace {

using benchgame::InstalledGame;
using logic::GameState;

// Plays the game to a moment; false (with a reason) when it cannot get there.
using Preparation = std::function<bool(InstalledGame&, std::string& why)>;

void RunFrameAtMoment(benchmark::State& bench, const Preparation& prepare) {
  InstalledGame game(static_cast<int>(bench.range(0)));
  if (!game.problem().empty()) {
    bench.SkipWithError(game.problem().c_str());
    return;
  }
  std::string why;
  if (!prepare(game, why)) {
    bench.SkipWithError(why.c_str());
    return;
  }
  const GameState moment = *game.state;
  const std::uint64_t clock = game.backend.clock;
  for (auto _ : bench) {
    bench.PauseTiming();
    *game.state = moment;
    game.backend.clock = clock;
    game.backend.audioCalls.clear();
    bench.ResumeTiming();
    game.Frame();
  }
  if (game.state->flow.gameState != moment.flow.gameState) bench.SkipWithError("the frame left the screen");
}

// Clicks at a screen position on the play screen: the next frame sees the
// press, the one after it the release, so the next click counts again.
void ClickAt(InstalledGame& game, int x, int y) {
  game.state->play.cursorX = x;
  game.state->play.cursorY = y;
  game.backend.ScriptClick(0);
  game.Frames(2);
}

// Centre of difference j on the right picture, in screen pixels.
void ClickDifference(InstalledGame& game, int j) {
  const logic::DifferenceSet& set = game.state->play.rects[0];
  ClickAt(game, (set.left[j] + set.right[j]) / 2 + 500, (set.top[j] + set.bottom[j]) / 2 + 73);
}

bool StartSearching(InstalledGame& game, std::string& why) {
  game.state->flow.gameState = logic::kStatePlay;
  logic::SetUpLevel(*game.state, game.platform);
  for (int frame = 0; frame < 1000 && game.state->level.phase != logic::kPhaseSearching; ++frame) game.Frame();
  if (game.state->level.phase != logic::kPhaseSearching) {
    why = "the level never reached the search";
    return false;
  }
  return true;
}

// Two differences found (two particle bursts) and three wrong clicks, a few
// frames later: ten particle rows rising, five markers and the time display.
bool Searching(InstalledGame& game, std::string& why) {
  if (!StartSearching(game, why)) return false;
  ClickDifference(game, 0);
  ClickAt(game, 60, 700);
  ClickDifference(game, 1);
  ClickAt(game, 300, 650);
  ClickAt(game, 900, 680);
  game.Frames(5);
  int bursts = 0, markers = 0;
  for (const auto& burst : game.state->play.bursts) bursts += burst.active;
  for (const auto& marker : game.state->play.markers) markers += marker.active;
  if (bursts != 2 || markers < 2 || game.state->level.phase != logic::kPhaseSearching) {
    why = "the clicks did not start two bursts and the markers (bursts " + std::to_string(bursts) + ", markers " +
          std::to_string(markers) + ", phase " + std::to_string(game.state->level.phase) + ")";
    return false;
  }
  return true;
}

// All five found: 150 frames into the summary, seconds turning into points,
// with the confetti flying.
bool LevelComplete(InstalledGame& game, std::string& why) {
  if (!StartSearching(game, why)) return false;
  for (int j = 0; j < logic::kDifferences; ++j) ClickDifference(game, j);
  game.Frames(150);
  if (game.state->level.phase != logic::kPhaseLevelComplete || game.state->level.secondsLeft == 0) {
    why = "the level did not end in the conversion";
    return false;
  }
  return true;
}

// The time ran out: the differences shown, "Gameover" sliding, the prompt up.
bool GameOver(InstalledGame& game, std::string& why) {
  if (!StartSearching(game, why)) return false;
  game.state->level.secondsLeft = 0;
  game.Frames(320);
  if (game.state->level.phase != logic::kPhaseTimeOver) {
    why = "the time did not run out";
    return false;
  }
  return true;
}

void ToHighScores(InstalledGame& game, int points) {
  game.state->level.points = points;
  logic::PrepareHighScores(*game.state);
  game.state->flow.gameState = logic::kStateHighScore;
}

// A place in the table: the stretched panorama sweeping, 100 sparks, a name
// half typed.
bool NameEntry(InstalledGame& game, std::string& why) {
  ToHighScores(game, 999'999);
  game.Frames(200);
  for (int key : {'M', 'A', 'X'}) {
    game.backend.ScriptKey(key);
    game.Frame();
  }
  if (!game.state->highScores.nameEntry) {
    why = "no name entry";
    return false;
  }
  return true;
}

// The table standing after it rose into view.
bool HighScoreTable(InstalledGame& game, std::string& why) {
  ToHighScores(game, 0);
  game.Frames(900);
  if (game.state->highScores.nameEntry) {
    why = "a name entry instead of the table";
    return false;
  }
  return true;
}

// The menu with an item lit and its help line.
bool Menu(InstalledGame& game, std::string&) {
  game.state->flow.gameState = logic::kStateMenu;
  game.Frames(50);
  game.backend.ScriptMotion(500 - game.state->menu.cursorX, 370 - game.state->menu.cursorY);
  game.Frames(10);
  return true;
}

// The eleven title tiles dropping in and resting.
bool IntroTitle(InstalledGame& game, std::string&) {
  game.state->flow.intro = true;
  game.state->intro.counter = 640;
  game.Frames(120);
  return game.state->flow.intro;
}

// The credits long enough for all 500 sparks to fly.
bool Credits(InstalledGame& game, std::string&) {
  game.state->flow.gameState = logic::kStateCredits;
  game.Frames(1500);
  return true;
}

void BM_Frame_Searching(benchmark::State& s) { RunFrameAtMoment(s, Searching); }
void BM_Frame_LevelComplete(benchmark::State& s) { RunFrameAtMoment(s, LevelComplete); }
void BM_Frame_GameOver(benchmark::State& s) { RunFrameAtMoment(s, GameOver); }
void BM_Frame_NameEntry(benchmark::State& s) { RunFrameAtMoment(s, NameEntry); }
void BM_Frame_HighScoreTable(benchmark::State& s) { RunFrameAtMoment(s, HighScoreTable); }
void BM_Frame_Menu(benchmark::State& s) { RunFrameAtMoment(s, Menu); }
void BM_Frame_IntroTitle(benchmark::State& s) { RunFrameAtMoment(s, IntroTitle); }
void BM_Frame_Credits(benchmark::State& s) { RunFrameAtMoment(s, Credits); }

#define VISTREL_SCREEN(name) BENCHMARK(name)->Arg(32)->Arg(16)->Unit(benchmark::kMicrosecond)
VISTREL_SCREEN(BM_Frame_Searching);
VISTREL_SCREEN(BM_Frame_LevelComplete);
VISTREL_SCREEN(BM_Frame_GameOver);
VISTREL_SCREEN(BM_Frame_NameEntry);
VISTREL_SCREEN(BM_Frame_HighScoreTable);
VISTREL_SCREEN(BM_Frame_Menu);
VISTREL_SCREEN(BM_Frame_IntroTitle);
VISTREL_SCREEN(BM_Frame_Credits);

// One copy of a whole frame from one 1024 x 768 surface of the depth's
// format to another: what presenting a finished frame costs at the least.
void BM_FullFrameCopy(benchmark::State& bench) {
  const int depth = static_cast<int>(bench.range(0));
  const std::uint32_t format = depth == 16 ? SDL_PIXELFORMAT_RGB555 : SDL_PIXELFORMAT_RGB888;
  platform::SurfacePtr from(SDL_CreateRGBSurfaceWithFormat(0, 1024, 768, depth, format));
  platform::SurfacePtr to(SDL_CreateRGBSurfaceWithFormat(0, 1024, 768, depth, format));
  SDL_FillRect(from.get(), nullptr, 0x1234);
  for (auto _ : bench) {
    std::memcpy(to->pixels, from->pixels, static_cast<std::size_t>(from->pitch) * from->h);
    benchmark::DoNotOptimize(to->pixels);
    benchmark::ClobberMemory();
  }
  bench.SetBytesProcessed(bench.iterations() * from->pitch * from->h);
}
BENCHMARK(BM_FullFrameCopy)->Arg(32)->Arg(16)->Unit(benchmark::kMicrosecond);

// A level set-up with the real picture set: the played-picture record
// written, both JPEGs decoded into the picture slots, the rectangles taken.
void BM_SetUpLevel(benchmark::State& bench) {
  InstalledGame game(32);
  if (!game.problem().empty()) {
    bench.SkipWithError(game.problem().c_str());
    return;
  }
  game.state->flow.gameState = logic::kStatePlay;
  for (auto _ : bench) logic::SetUpLevel(*game.state, game.platform);
  if (game.platform.endRequested) bench.SkipWithError("the set-up failed");
}
BENCHMARK(BM_SetUpLevel)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
