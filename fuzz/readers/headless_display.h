#pragma once
// A started display on the headless backend, kept for the whole fuzz run so
// each input pays only for its own decoding.
#include "platform/display.h"
#include "platform/headless_backend.h"
#include "platform/platform.h"

namespace fuzzing {

struct HeadlessDisplay {
  explicit HeadlessDisplay(int depth) {
    game.backend = &backend;
    if (!platform::StartDisplay(game, platform::kScreenWidth, platform::kScreenHeight, depth)) __builtin_trap();
  }
  platform::HeadlessBackend backend;
  platform::Platform game;
};

}  // namespace fuzzing
