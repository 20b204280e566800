#!/usr/bin/env bash
# Runs the whole suite headless: a virtual X display for the dialog programs,
# SDL's dummy drivers for the game, and an in-memory settings store for GTK.
set -euo pipefail
build_dir=${1:-build}

export SDL_VIDEODRIVER=dummy
export SDL_AUDIODRIVER=dummy
export GSETTINGS_BACKEND=memory
export NO_AT_BRIDGE=1

cd "$build_dir"
xvfb-run -a -s "-screen 0 1024x768x24" \
  ctest --output-on-failure -j "$(nproc)" --timeout 300
