#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs each for FUZZ_SECONDS (default 60).
#   scripts/fuzz.sh [TARGET...]     e.g. FUZZ_SECONDS=600 scripts/fuzz.sh fuzz_wave
# Corpora grow in $FUZZ_WORK/corpus/<target> (default build-fuzz/work), seeded
# with valid files; inputs that crash land in $FUZZ_WORK/crashes/<target>.
# FUZZ_JOBS runs that many targets at once (default 1).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz
work=${FUZZ_WORK:-$build/work}
seconds=${FUZZ_SECONDS:-60}
jobs=${FUZZ_JOBS:-1}

# The seeds come from the generated data folder of the normal build.
if [ ! -d "$root/build/dist/data" ]; then
  echo "Zuerst 'make build' ausführen: der Datenordner fehlt." >&2
  exit 1
fi

mkdir -p "$build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  "-DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link,address,undefined" \
  "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined" \
  "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined" > "$build/configure.log"
cmake --build "$build" --target fuzzers -j "$(nproc)"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(fuzz_game_file fuzz_list_file fuzz_choice_file fuzz_hand_off fuzz_project_file
           fuzz_high_scores fuzz_sound_settings fuzz_played_record fuzz_wave fuzz_bitmap fuzz_jpeg)
fi

mkdir -p "$work/seeds"
"$build/fuzz/readers/write_seeds" "$root/build/dist/data" "$work/seeds"

run_one() {
  local target=$1 binary status=0
  binary=$(find "$build/fuzz" -type f -name "$target" -perm -u+x | head -1)
  mkdir -p "$work/corpus/$target" "$work/crashes/$target"
  cp -n "$work/seeds/$target"/* "$work/corpus/$target/" 2>/dev/null || true
  # Each run's last lines carry the number of executions and the coverage.
  "$binary" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -max_len=262144 \
    -artifact_prefix="$work/crashes/$target/" -print_final_stats=1 \
    "$work/corpus/$target" > "$work/$target.log" 2>&1 || status=$?
  local executions
  executions=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work/$target.log" | grep -o '[0-9]*$' || echo "?")
  printf '%-22s %5ss  %10s Ausführungen  %s\n' "$target" "$seconds" "$executions" \
    "$([ $status -eq 0 ] && echo ok || echo "FEHLER (siehe $work/$target.log)")"
  return $status
}

failed=0
running=0
for target in "${targets[@]}"; do
  run_one "$target" &
  running=$((running + 1))
  if [ $running -ge "$jobs" ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
done
while [ $running -gt 0 ]; do
  wait -n || failed=1
  running=$((running - 1))
done
exit $failed
