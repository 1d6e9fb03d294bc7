#!/usr/bin/env bash
# The quiz as a player who cannot drag meets it: in a real X session with the
# accessibility bus, a screen reader's client (pyatspi) reads the window and
# a whole game is played with keys alone, the clips heard on a null sink; one
# name is placed through accessible actions alone, and one by two clicks in
# click-to-place mode; two practice rounds bring the missed name back alone.
# The focus indicator is measured on screenshots. Each continent's map is
# played whole through accessible actions alone, and Europe's by keys alone.
# Last, Orca itself plays an opening, the end of a game and the end of a
# practice round, and an opening of Europe.
#   access_test.sh <program folder> <quiz_points>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# A session bus of our own, with the accessibility bus on it; no setting of
# the user's is read or written.
if [ -z "${ORRINVALE_ACCESS_BUS:-}" ] && command -v dbus-run-session >/dev/null 2>&1; then
  ORRINVALE_ACCESS_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
source "$here/session/session.sh"
require Xvfb xdotool xdpyinfo import pulseaudio pactl parec sox dbus-run-session
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "at-spi2-core is not installed (tools/install-deps.sh test installs it)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed (tools/install-deps.sh test installs it)"
program=$(realpath "$1")
points=$2
export XDG_CONFIG_HOME="$SESSION_DIR/config" XDG_RUNTIME_DIR="$SESSION_DIR/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
client() { /usr/bin/python3 "$here/session/access_client.py" "$@"; }

start_xvfb
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$SESSION_DIR/at-spi.log" 2>&1 &
SESSION_PIDS+=($!)
start_pulse
start_quiz "$program" || { echo "FAILED: the quiz did not start"; exit 1; }
xdotool windowfocus --sync "$WINDOW" 2>/dev/null || xdotool windowfocus "$WINDOW"
"$points" "$program" --states >"$SESSION_DIR/graph"
table="$program/usa_states.txt"

failed=0
step() {  # step WHAT COMMAND...: runs a client command, its lines shown as they come
  echo "-- $1"
  shift
  "$@" || failed=$((failed + 1))
}

echo "-- the accessible tree"
client tree "$table" || { echo "FAILED: the tree is not as it should be; the quiz's output:"; sed 's/^/  | /' "$SESSION_DIR/quiz.log"; exit 1; }
step "the focus indicator after each key move" client rings "$SESSION_DIR/graph" "$table" "$SESSION_DIR"
step "the keys' help" client help

for clip in correct wrong complete; do
  "$program/plugins/orrinvale-decoder" "$program/sounds/$clip.wma" | tail -c +9 >"$SESSION_DIR/$clip.raw"
done
# hears CLIP RECORDING [MORE]: the clip sounded whole (within 40 ms of its
# length at volume 37) in the recording; MORE seconds of sound before it may
# be heard too (the fiftieth drop asks for the chime just before the
# completion clip, which replaces it; how much of the chime gets out first
# is the media back end's timing, and the drag acceptance test holds it).
hears() {
  local want got
  want=$(audible_seconds "$SESSION_DIR/$1.raw" 2 0.37)
  got=$(audible_seconds "$2" 1)
  if awk -v a="$got" -v b="$want" -v m="${3:-0}" 'BEGIN { d = a - b; exit !(d < 0.04 + m && d > -0.04) }'; then
    echo "ok   the $1 clip is heard: $got s of $want s"
  else
    echo "FAILED the $1 clip is heard: $got s of $want s"
    failed=$((failed + 1))
  fi
}

echo "-- a wrong drop by keys, then the first name placed"
wait_for_silence
record_clip "$SESSION_DIR/heard-first.raw" client play "$SESSION_DIR/graph" "$table" 1 --wrong || failed=$((failed + 1))
# The recording holds the wrong clip and then the right one: each heard.
peak=$(peak_of "$SESSION_DIR/heard-first.raw" 1)
if awk -v p="$peak" 'BEGIN { exit !(p > 0.05) }'; then
  echo "ok   the clips of the wrong and the right drop reach the sink (peak $peak)"
else
  echo "FAILED the clips of the wrong and the right drop reach the sink (peak $peak)"
  failed=$((failed + 1))
fi
wait_for_silence
echo "-- one right drop by keys, heard"
record_clip "$SESSION_DIR/heard-right.raw" client play "$SESSION_DIR/graph" "$table" 1 || failed=$((failed + 1))
hears correct "$SESSION_DIR/heard-right.raw"
step "forty-seven more names by keys" client play "$SESSION_DIR/graph" "$table" 47
wait_for_silence
echo "-- the fiftieth name by keys, the box closed by Return"
record_clip "$SESSION_DIR/heard-complete.raw" client play "$SESSION_DIR/graph" "$table" 1 || failed=$((failed + 1))
hears complete "$SESSION_DIR/heard-complete.raw" 0.6  # the chime is 0.57 s
step "a name placed through accessible actions alone" client action "$SESSION_DIR/graph" "$table"

echo "-- click-to-place: a click on a name, a click on its state"
kill "$QUIZ_PID" 2>/dev/null || true
wait "$QUIZ_PID" 2>/dev/null || true
launch_quiz env -u QT_QPA_PLATFORM "$SESSION_DIR/program/orrinvale" --click-to-place ||
  { echo "FAILED: the quiz did not start with --click-to-place"; exit 1; }
"$points" "$program" >"$SESSION_DIR/points"
read -r _ nx ny sx sy _ < <(sed -n 44p "$SESSION_DIR/points")  # Utah
xdotool mousemove $((WX + nx)) $((WY + ny)) click 1
sleep 0.3
xdotool mousemove $((WX + sx)) $((WY + sy)) click 1
step "Utah placed by two clicks" client placed Utah

echo "-- practice: the state missed in one round comes back alone in the next"
kill "$QUIZ_PID" 2>/dev/null || true
wait "$QUIZ_PID" 2>/dev/null || true
launch_quiz env -u QT_QPA_PLATFORM XDG_STATE_HOME="$SESSION_DIR/state" "$SESSION_DIR/program/orrinvale" --practice ||
  { echo "FAILED: the quiz did not start with --practice"; exit 1; }
xdotool windowfocus --sync "$WINDOW" 2>/dev/null || xdotool windowfocus "$WINDOW"
step "two practice rounds" client practice "$SESSION_DIR/graph" "$table"
progress="$SESSION_DIR/state/orrinvale/progress"
if [ "$(grep -c '^[A-Z][A-Z] 2 ' "$progress" 2>/dev/null)" = 50 ]; then
  echo "ok   the progress file holds fifty states in box 2 after the two rounds"
else
  echo "FAILED: the progress file is not as two rounds leave it:"; sed 's/^/  | /' "$progress" 2>&1
  failed=$((failed + 1))
fi

# Starts the quiz on a continent's map and writes its arrows to $SESSION_DIR/graph-NAME.
launch_map() {
  launch_quiz env -u QT_QPA_PLATFORM "${@:2}" "$SESSION_DIR/program/orrinvale" --map "$1" ||
    { echo "FAILED: the quiz did not start with --map $1"; return 1; }
  xdotool windowfocus --sync "$WINDOW" 2>/dev/null || xdotool windowfocus "$WINDOW"
  "$points" "$program" --states --map "$1" >"$SESSION_DIR/graph-$1"
}

echo "-- the continents: each map played whole through actions alone, Europe's by keys alone"
for map in $(cut -f1 "$here/../assets/maps/maps.list"); do
  kill "$QUIZ_PID" 2>/dev/null || true
  wait "$QUIZ_PID" 2>/dev/null || true
  launch_map "$map" || { failed=$((failed + 1)); continue; }
  step "a whole game of $map through actions" client game "$SESSION_DIR/graph-$map" "$program/maps/$map.txt" actions
  [ "$map" = europe ] &&
    step "a whole game of europe by keys" client game "$SESSION_DIR/graph-$map" "$program/maps/$map.txt" keys
done

# Starts the quiz on a map for Orca and takes Orca to each CODE=words given.
where_on() {
  local map=$1
  shift
  kill "$QUIZ_PID" 2>/dev/null || true
  wait "$QUIZ_PID" 2>/dev/null || true
  if launch_map "$map" -u QT_LINUX_ACCESSIBILITY_ALWAYS_ON; then
    step "where Orca says countries of $map lie" client orca-where "$SESSION_DIR/graph-$map" \
      "$program/maps/$map.txt" "$ORCA_LOG" "$@"
  else
    failed=$((failed + 1))
  fi
}

# Starts Orca with its debug log in $ORCA_LOG (a new file each time) and
# waits until it speaks. Orca and the speech server keep their settings in
# the session's own folders. Orca writes its log through a block buffer:
# opened line by line instead, each key's speech can be read right after it.
start_orca() {
  local home="$SESSION_DIR/orca"
  mkdir -p "$home/home" "$home/data" "$home/cache" "$home/py" "$home/bin"
  # Orca refuses to start beside any other Orca of this user (it asks
  # `pgrep -u UID -x orca`), such as the user's own screen reader or another
  # test's, though each talks to a bus of its own: this one counts none.
  printf '%s\n' '#!/bin/sh' '[ "$3 $4" = "-x orca" ] && exit 1' 'exec /usr/bin/pgrep "$@"' >"$home/bin/pgrep"
  chmod +x "$home/bin/pgrep"
  printf '%s\n' 'import builtins, os' '_open = builtins.open' '_log = os.environ.get("ORCA_DEBUG_LOG")' \
    'def _lines(file, mode="r", buffering=-1, *args, **kwargs):' \
    '    if _log and file == _log and "b" not in mode: buffering = 1' \
    '    return _open(file, mode, buffering, *args, **kwargs)' 'builtins.open = _lines' \
    >"$home/py/sitecustomize.py"
  ORCA_LOG="$home/speech-$1.log"
  HOME="$home/home" XDG_DATA_HOME="$home/data" XDG_CACHE_HOME="$home/cache" \
    ORCA_DEBUG_LOG="$ORCA_LOG" PYTHONPATH="$home/py" PATH="$home/bin:$PATH" orca --debug-file "$ORCA_LOG" >"$home/orca-$1.out" 2>&1 &
  ORCA_PID=$!
  SESSION_PIDS+=("$ORCA_PID")
  for _ in $(seq 300); do grep -q 'SPEECH OUTPUT' "$ORCA_LOG" 2>/dev/null && return 0; sleep 0.1; done
  echo "FAILED Orca spoke nothing within 30 s; its output:"
  sed 's/^/  | /' "$home/orca-$1.out"
  return 1
}

# Orca shuts down on SIGTERM, which can take a while or hang: it gets five
# seconds.
stop_orca() {
  kill "$ORCA_PID" 2>/dev/null || return 0
  for _ in $(seq 50); do kill -0 "$ORCA_PID" 2>/dev/null || break; sleep 0.1; done
  kill -KILL "$ORCA_PID" 2>/dev/null || true
  wait "$ORCA_PID" 2>/dev/null || true
}

echo "-- with Orca, the screen reader: an opening by keys, then the end of a game"
if ! command -v orca >/dev/null 2>&1; then
  echo "FAILED: orca is not installed (tools/install-deps.sh test installs it)"
  failed=$((failed + 1))
else
  kill "$QUIZ_PID" 2>/dev/null || true
  wait "$QUIZ_PID" 2>/dev/null || true
  if start_orca opening &&
    launch_quiz env -u QT_QPA_PLATFORM -u QT_LINUX_ACCESSIBILITY_ALWAYS_ON "$SESSION_DIR/program/orrinvale"; then
    xdotool windowfocus --sync "$WINDOW" 2>/dev/null || xdotool windowfocus "$WINDOW"
    step "what Orca speaks of an opening" client orca "$SESSION_DIR/graph" "$table" "$ORCA_LOG"
    # Forty-eight placements would keep Orca talking for minutes: they are
    # made while it is away.
    stop_orca
    step "all but one name placed" client fill "$SESSION_DIR/graph" "$table"
    if start_orca ending; then
      xdotool windowfocus --sync "$WINDOW" 2>/dev/null || xdotool windowfocus "$WINDOW"
      step "what Orca speaks of the last drop" client orca-ending "$SESSION_DIR/graph" "$table" "$ORCA_LOG"
      # Practice with Utah alone due: the summary after the congratulations.
      kill "$QUIZ_PID" 2>/dev/null || true
      wait "$QUIZ_PID" 2>/dev/null || true
      mkdir -p "$SESSION_DIR/due/orrinvale"
      { echo "orrinvale-progress 1"
        tr -d '\r' <"$table" | cut -d, -f2 | while read -r code; do
          if [ "$code" = UT ]; then echo "UT 1 2000-01-01"; else echo "$code 6 2999-01-01"; fi
        done; } >"$SESSION_DIR/due/orrinvale/progress"
      if launch_quiz env -u QT_QPA_PLATFORM -u QT_LINUX_ACCESSIBILITY_ALWAYS_ON XDG_STATE_HOME="$SESSION_DIR/due" \
        "$SESSION_DIR/program/orrinvale" --practice; then
        xdotool windowfocus --sync "$WINDOW" 2>/dev/null || xdotool windowfocus "$WINDOW"
        step "what Orca speaks of a practice round's end" client orca-practice "$SESSION_DIR/graph" "$table" "$ORCA_LOG" Utah
        kill "$QUIZ_PID" 2>/dev/null || true
        wait "$QUIZ_PID" 2>/dev/null || true
        if launch_map europe -u QT_LINUX_ACCESSIBILITY_ALWAYS_ON; then
          step "what Orca speaks of an opening of Europe" \
            client orca "$SESSION_DIR/graph-europe" "$program/maps/europe.txt" "$ORCA_LOG" Hungary
          step "where Orca says Liechtenstein lies" client orca-where "$SESSION_DIR/graph-europe" \
            "$program/maps/europe.txt" "$ORCA_LOG" "LI=In the middle of the map, bordering"
        else
          failed=$((failed + 1))
        fi
        # Where a country lies is told from its own land, however far its
        # box or inset stands, and an island country is told as islands.
        where_on asia "AZ=In the north-west of the map, bordering"
        where_on oceania "PG=Islands in the north-west of the map, sharing land with Indonesia" \
          "KI=Islands in the north-east of the map, nearest"
      else
        failed=$((failed + 1))
      fi
    else
      failed=$((failed + 1))
    fi
  else
    echo "FAILED: Orca or the quiz beside it did not start"
    failed=$((failed + 1))
  fi
fi

if [ "$failed" -ne 0 ]; then
  echo "FAILED: $failed of the steps above failed; the quiz's output:"
  sed 's/^/  | /' "$SESSION_DIR/quiz.log"
  exit 1
fi
echo "all steps passed"
