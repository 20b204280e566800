#!/usr/bin/env bash
# Runs every benchmark under bench/ (medians of five runs each), prints the
# table and writes docs/performance.md. Usage: bench.sh [BUILD_DIR]
set -euo pipefail
build_dir=${1:-build}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
results="$build_dir/bench-results"
rm -rf "$results"
mkdir -p "$results"

uptime > "$results/load_before.txt"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
run() {  # name, executable, extra arguments...
  local name=$1 program=$2
  shift 2
  echo "== $name" >&2
  "$program" --benchmark_repetitions=5 --benchmark_display_aggregates_only=true \
    --benchmark_out="$results/$name.json" --benchmark_out_format=json "$@" >&2
}

run screens "$build_dir/bench/logic/screen_bench"
run startup "$build_dir/bench/logic/startup_bench" --benchmark_filter=Headless
# The player's own window, on a virtual X display.
SDL_VIDEODRIVER= xvfb-run -a -s "-screen 0 1024x768x24" \
  "$build_dir/bench/logic/startup_bench" --benchmark_filter=SdlWindow --benchmark_repetitions=1 \
  --benchmark_out="$results/startup_window.json" --benchmark_out_format=json >&2 || true
run editor "$build_dir/bench/editor/editor_bench"
run launcher "$build_dir/bench/launcher/launcher_bench"
run platform "$build_dir/bench/platform/platform_bench"
# The generator runs on one thread; pairs per second are per core.
run scenegen "$build_dir/bench/scenegen/scenegen_bench"
run photo "$build_dir/bench/photo/photo_bench"
# The real game as a process on a virtual X display: its share of a core,
# idle in the menu and searching, with each renderer. BASELINE_QXDATA names
# another build of the game (say, of the main branch) to measure beside it.
echo "== cpu share" >&2
games=("game=$build_dir/dist/qxdata")
[ -n "${BASELINE_QXDATA:-}" ] && games=("baseline=$BASELINE_QXDATA" "${games[@]}")
python3 "$source_dir/scripts/cpu_share_bench.py" "$results/cpu_share.json" "$build_dir/dist" "${games[@]}" >&2 || true
uptime > "$results/load_after.txt"

python3 "$source_dir/scripts/bench_report.py" "$results" "$source_dir/docs/performance.md"
