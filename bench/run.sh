#!/usr/bin/env bash
# Builds the benchmarks and prints them all, each against a baseline measured
# in the same run, with the machine they ran on.
#   bench/run.sh [launches of each program, default 15]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
launches=${1:-15}
"$root/tools/install-deps.sh" bench
"$root/tools/configure.sh" bench
cmake --build --preset bench --parallel "$(nproc)" >/dev/null
bin="$root/build-bench"

source "$root/tests/session/session.sh"
start_xvfb -br   # a black root, so an unpainted window reads as black
start_pulse
export XDG_RUNTIME_DIR="$SESSION_DIR/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

echo "machine: $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores, $(awk '/MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo), $(. /etc/os-release && echo "$PRETTY_NAME"), Qt $(pkg-config --modversion Qt6Core 2>/dev/null || echo 6)"
echo

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
: >"$SESSION_DIR/quiz" >"$SESSION_DIR/bare"
for _ in $(seq "$launches"); do
  "$bin/bench/startup_probe" 1.5 "$bin/bin/orrinvale" >>"$SESSION_DIR/quiz"
  "$bin/bench/startup_probe" 1.5 "$bin/bench/bare_window" >>"$SESSION_DIR/bare"
done
quiz_ms=$(cut -d' ' -f1 "$SESSION_DIR/quiz" | median)
bare_ms=$(cut -d' ' -f1 "$SESSION_DIR/bare" | median)
quiz_kb=$(cut -d' ' -f2 "$SESSION_DIR/quiz" | median)
bare_kb=$(cut -d' ' -f2 "$SESSION_DIR/bare" | median)
family_kb=$(cut -d' ' -f3 "$SESSION_DIR/quiz" | median)
bare_family_kb=$(cut -d' ' -f3 "$SESSION_DIR/bare" | median)
echo "start to first frame, median of $launches launches each, alternating under Xvfb:"
printf '  quiz %.1f ms, bare window %.1f ms: ratio %.2f (goal at most 1.10)\n' "$quiz_ms" "$bare_ms" \
  "$(echo "$quiz_ms / $bare_ms" | bc -l)"
echo "peak resident memory, 1.5 s after the first frame:"
printf '  quiz %.1f MB, bare window %.1f MB: %.1f MB more (goal at most 10 MB)\n' "$(echo "$quiz_kb / 1024" | bc -l)" \
  "$(echo "$bare_kb / 1024" | bc -l)" "$(echo "($quiz_kb - $bare_kb) / 1024" | bc -l)"
echo "peak memory with shared pages counted once (proportional set size, sampled every 5 ms),"
echo "the quiz together with any process it starts (the shipped clips need no decoder):"
printf '  quiz and its children %.1f MB, bare window %.1f MB: %.1f MB more (goal at most 10 MB)\n' \
  "$(echo "$family_kb / 1024" | bc -l)" "$(echo "$bare_family_kb / 1024" | bc -l)" \
  "$(echo "($family_kb - $bare_family_kb) / 1024" | bc -l)"

# Each continent's map against the states' board, launched in turn: its first
# frame and its peak resident memory.
map_launches=$(( (launches + 1) / 2 ))
echo "each continent's map against the states' board, median of $map_launches launches each, alternating:"
for map in $(cut -f1 "$root/assets/maps/maps.list"); do
  : >"$SESSION_DIR/map" >"$SESSION_DIR/states"
  for _ in $(seq "$map_launches"); do
    "$bin/bench/startup_probe" 1.5 "$bin/bin/orrinvale" --map "$map" >>"$SESSION_DIR/map"
    "$bin/bench/startup_probe" 1.5 "$bin/bin/orrinvale" >>"$SESSION_DIR/states"
  done
  map_ms=$(cut -d' ' -f1 "$SESSION_DIR/map" | median)
  states_ms=$(cut -d' ' -f1 "$SESSION_DIR/states" | median)
  map_kb=$(cut -d' ' -f2 "$SESSION_DIR/map" | median)
  states_kb=$(cut -d' ' -f2 "$SESSION_DIR/states" | median)
  printf '  %-13s first frame %.1f ms against %.1f ms: ratio %.2f (goal at most 1.25); memory %.1f MB, %+.1f MB (goal at most 5 MB)\n' \
    "$map" "$map_ms" "$states_ms" "$(echo "$map_ms / $states_ms" | bc -l)" "$(echo "$map_kb / 1024" | bc -l)" \
    "$(echo "($map_kb - $states_kb) / 1024" | bc -l)"
done

# A clip a player replaced (other bytes) is decoded by the clip decoder,
# after the first frame.
rm -rf "$SESSION_DIR/replaced" && cp -r "$bin/bin" "$SESSION_DIR/replaced"
printf '\0' >>"$SESSION_DIR/replaced/sounds/correct.wma"
: >"$SESSION_DIR/replaced.out"
for _ in $(seq 5); do
  "$bin/bench/startup_probe" 1.5 "$SESSION_DIR/replaced/orrinvale" >>"$SESSION_DIR/replaced.out"
done
replaced_ms=$(cut -d' ' -f1 "$SESSION_DIR/replaced.out" | median)
replaced_kb=$(cut -d' ' -f3 "$SESSION_DIR/replaced.out" | median)
printf 'with a replaced clip, median of 5 launches: first frame %.1f ms; quiz and decoder %.1f MB, %.1f MB above the bare window\n' \
  "$replaced_ms" "$(echo "$replaced_kb / 1024" | bc -l)" "$(echo "($replaced_kb - $bare_family_kb) / 1024" | bc -l)"
echo

# Latency: from the synthetic drop (the pointer's release of Texas over
# Oklahoma: a wrong drop, which leaves the name in the panel for the next
# run) to the wrong clip's first sample over the noise at the null sink's
# monitor, against paplay of the same samples at the same volume started
# from this session, the floor. Texas's name and Oklahoma are at these
# points of the client area (tests/session/quiz_points, names 42 and 35).
launch_quiz "$bin/bin/orrinvale" || exit 1
"$bin/bin/plugins/orrinvale-decoder" "$bin/bin/sounds/wrong.wma" | tail -c +9 >"$SESSION_DIR/wrong.raw"
cat >"$SESSION_DIR/press" <<SCRIPT
xdotool mousemove $((WX + 652)) $((WY + 502)) mousedown 1
for i in \$(seq 1 12); do xdotool mousemove \$(($WX + 652 - 234 * i / 12)) \$(($WY + 502 - 190 * i / 12)); done
sleep 0.1
SCRIPT
"$bin/bench/clip_latency" 20 quiz.monitor "sh $SESSION_DIR/press" release >"$SESSION_DIR/latency.quiz"
volume=$(awk 'BEGIN { printf "%d", 65536 * 0.37 ^ (1 / 3) }')  # 37 per cent on the server's cubic scale
"$bin/bench/clip_latency" 20 quiz.monitor true \
  "paplay -d quiz --raw --format=s16le --rate=44100 --channels=2 --volume=$volume $SESSION_DIR/wrong.raw" \
  >"$SESSION_DIR/latency.floor"
printf 'clip latency, drop to first sample at the sink, median of 20: quiz %.1f ms, paplay %.1f ms (the floor): %.1f ms above it (goal at most 20 ms)\n' \
  "$(median <"$SESSION_DIR/latency.quiz")" "$(median <"$SESSION_DIR/latency.floor")" \
  "$(echo "$(median <"$SESSION_DIR/latency.quiz") - $(median <"$SESSION_DIR/latency.floor")" | bc -l)"
if grep -qx -- -1 "$SESSION_DIR/latency.quiz" "$SESSION_DIR/latency.floor"; then
  echo "  (runs not heard within 5 s: quiz $(grep -cx -- -1 "$SESSION_DIR/latency.quiz"), paplay $(grep -cx -- -1 "$SESSION_DIR/latency.floor"))"
fi

# What the quiz maps and what it stands on: the shared libraries in its
# /proc/PID/maps once it has played its clips (a media back end may load
# more at the first clip), and the installed size of the program folder and
# of the packages those libraries come from.
mapped_libraries() { awk '$6 ~ /\.so(\.[0-9]+)*$/ { print $6 }' "/proc/$1/maps" | sort -u; }
packages_kb() {
  local lib
  while read -r lib; do dpkg -S "$lib" 2>/dev/null || dpkg -S "${lib#/usr}" 2>/dev/null || true; done |
    grep -v '^diversion' | cut -d: -f1 | sort -u | xargs -r dpkg-query -W -f='${Installed-Size}\n' |
    awk '{ s += $1 } END { print s + 0 }'
}
mapped_libraries "$QUIZ_PID" >"$SESSION_DIR/quiz.libs"
kill "$QUIZ_PID"
"$bin/bench/bare_window" >/dev/null 2>&1 &
bare_pid=$!
SESSION_PIDS+=("$bare_pid")
sleep 3
mapped_libraries "$bare_pid" >"$SESSION_DIR/bare.libs"
kill "$bare_pid"
printf 'shared libraries mapped once the clips have played: quiz %d, bare window %d\n' \
  "$(wc -l <"$SESSION_DIR/quiz.libs")" "$(wc -l <"$SESSION_DIR/bare.libs")"
printf 'installed size: program folder %.1f MB, the packages of the libraries the quiz maps %.1f MB (the bare window'"'"'s %.1f MB)\n' \
  "$(echo "$(du -sk "$bin/bin" | cut -f1) / 1024" | bc -l)" "$(echo "$(packages_kb <"$SESSION_DIR/quiz.libs") / 1024" | bc -l)" \
  "$(echo "$(packages_kb <"$SESSION_DIR/bare.libs") / 1024" | bc -l)"
echo

# A state table of one 20 MB line: its name is read whole, but the window
# lays out only what its box can show. Bytes above 127 triple in UTF-8; of a
# line of commas only the first two fields are kept.
for fill in 'x' '\x80' ','; do
  rm -rf "$SESSION_DIR/huge" && cp -r "$bin/bin" "$SESSION_DIR/huge"
  python3 -c "import sys; sys.stdout.buffer.write(b'$fill' * (20 << 20) + b',AL')" >"$SESSION_DIR/huge/usa_states.txt"
  huge_kb=$("$bin/bench/startup_probe" 1.5 "$SESSION_DIR/huge/orrinvale" | cut -d' ' -f2)
  printf 'peak resident memory with a state table of one 20 MB line of %s: %.1f MB, %.1f times the quiz with its own table (goal at most 250 MB)\n' \
    "$fill" "$(echo "$huge_kb / 1024" | bc -l)" "$(echo "$huge_kb / $quiz_kb" | bc -l)"
done
echo

QT_QPA_PLATFORM=offscreen "$bin/bench/paint_bench" --benchmark_format=csv 2>/dev/null >"$SESSION_DIR/paint.csv"
ms() { awk -F, -v n="\"$1/repeats:9_median\"" '$1 == n { print $3 }' "$SESSION_DIR/paint.csv"; }
for ratio in 1 2; do
  board=$(ms "BM_BoardRepaint/$ratio")
  bare=$(ms "BM_BareWindowRepaint/$ratio")
  printf 'full repaint at device pixel ratio %s: board %.3f ms (goal at most 2 ms), bare window %.3f ms: ratio %.1f\n' \
    "$ratio" "$board" "$bare" "$(echo "$board / $bare" | bc -l)"
done
drop=$(ms BM_DropAndRepaint)
printf 'press, drag, release on the state, verdict and repaint: %.3f ms (goal at most 5 ms), %.1f bare repaints\n' \
  "$drop" "$(echo "$drop / $(ms BM_BareWindowRepaint/1)" | bc -l)"
