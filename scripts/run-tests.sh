#!/usr/bin/env bash
# Runs the whole suite headless: a virtual X display for the dialog programs,
# SDL's dummy drivers for the game, and an in-memory settings store for GTK.
set -euo pipefail
build_dir=${1:-build}

export SDL_VIDEODRIVER=dummy
export SDL_AUDIODRIVER=dummy
export GSETTINGS_BACKEND=memory
export NO_AT_BRIDGE=1

# -noreset: a server that resets when its last program disconnects can turn
# away a test program that starts in that moment.
# VISTREL_CTEST_ARGS adds ctest options, e.g. "-LE e2e" to leave out a label.
cd "$build_dir"
# shellcheck disable=SC2086
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" \
  ctest --output-on-failure -j "$(nproc)" --timeout 300 ${VISTREL_CTEST_ARGS:-}
