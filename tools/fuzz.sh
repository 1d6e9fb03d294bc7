#!/usr/bin/env bash
# Builds the libFuzzer targets (clang) and runs each for a while.
#   tools/fuzz.sh [seconds per target]     default 30; use 3600 or more for a long run
# The seeds are the shipped files of each kind plus the hand-made ones in
# tests/fuzz/corpus; new inputs go to a scratch corpus, so neither changes. A crash, leak, time-out or memory blow-up fails the run and leaves
# the input that caused it in the current folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
cd "$root"
"$root/tools/configure.sh" fuzz
cmake --build --preset fuzz --parallel "$(nproc)"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
declare -A shipped=(
  [state_table]="assets/usa_states.txt"
  [cursor]="assets/HAND-M.CUR assets/pushpin.ico"
  [skin]="assets/skins/sample.cjs"
  [clip_view]="assets/sounds/correct.wma assets/sounds/wrong.wma assets/sounds/complete.wma"
)
for target in state_table cursor skin clip_view; do
  mkdir -p "$scratch/$target"
  for seed in ${shipped[$target]}; do cp "$root/$seed" "$scratch/$target/"; done
  corpora=("$scratch/$target")
  [ -d "$root/tests/fuzz/corpus/$target" ] && corpora+=("$root/tests/fuzz/corpus/$target")
  log="$scratch/$target.log"
  if ! "$root/build-fuzz/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 \
      -max_len=65536 -print_final_stats=1 "${corpora[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz_$target FAILED"
    exit 1
  fi
  echo "fuzz_$target: $(grep -m1 -o 'Done [0-9]* runs in [0-9]* second(s)' "$log"), no crash, leak or time-out"
done
