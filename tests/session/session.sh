# Helpers for tests that run the built quiz as a user would: a private Xvfb,
# a private PulseAudio daemon with a null sink, and the quiz's window.
# Source this file; every helper cleans up through `session_cleanup`.

SESSION_DIR=$(mktemp -d)
SESSION_PIDS=()

session_cleanup() {
  # Newest first, so that no client outlives the server it talks to; one
  # that does not end within five seconds of SIGTERM is killed.
  local i pid
  for ((i = ${#SESSION_PIDS[@]} - 1; i >= 0; i--)); do
    pid=${SESSION_PIDS[i]}
    kill "$pid" 2>/dev/null || continue
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  rm -rf "$SESSION_DIR"
}
trap session_cleanup EXIT

skip() {
  echo "SKIPPED: $*"
  exit 77
}

require() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed (tools/install-deps.sh test installs it)"
  done
}

# Starts Xvfb on a free display and exports DISPLAY; arguments go to Xvfb.
# Xvfb picks the display itself (-displayfd): a number that only looks free
# here may be taken by a server whose socket this folder does not show (one
# in a chroot shares the abstract socket names).
start_xvfb() {
  local display=""
  Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp "$@" 3>"$SESSION_DIR/display" >/dev/null 2>&1 &
  SESSION_PIDS+=($!)
  for _ in $(seq 100); do
    display=$(head -n 1 "$SESSION_DIR/display" 2>/dev/null)
    [ -n "$display" ] && break
    sleep 0.1
  done
  export DISPLAY=":$display"
  for _ in $(seq 100); do [ -n "$display" ] && xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "Xvfb did not start" >&2
  return 1
}

# Starts a PulseAudio daemon of our own with a null sink named "quiz" and
# exports PULSE_SERVER so that the quiz plays into it.
start_pulse() {
  mkdir -p "$SESSION_DIR/pulse"
  HOME="$SESSION_DIR/pulse" PULSE_RUNTIME_PATH="$SESSION_DIR/pulse" \
    pulseaudio --daemonize=no -n --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
      --load="module-null-sink sink_name=quiz" \
      --load="module-native-protocol-unix socket=$SESSION_DIR/pulse/native auth-anonymous=1" \
      >"$SESSION_DIR/pulse.log" 2>&1 &
  SESSION_PIDS+=($!)
  export PULSE_SERVER="unix:$SESSION_DIR/pulse/native"
  local up=false
  for _ in $(seq 100); do pactl info >/dev/null 2>&1 && { up=true; break; }; sleep 0.1; done
  if ! $up; then
    echo "PulseAudio did not start" >&2
    cat "$SESSION_DIR/pulse.log" >&2
    return 1
  fi
  # A silent stream keeps the sink running, so that a recording of its
  # monitor keeps time with the clock.
  pacat -d quiz --format=s16le --rate=44100 --channels=1 </dev/zero &
  SESSION_PIDS+=($!)
}

# Records the null sink's monitor into a file until stop_recording. A short
# latency matters: by default the recorder receives two seconds at a time.
# Returns once the recorder has written its first samples, so that nothing
# played after it is lost to a recorder still connecting on a loaded machine.
start_recording() {
  parec --latency-msec=20 -d quiz.monitor --format=s16le --rate=44100 --channels=1 >"$1" \
    2>"$SESSION_DIR/parec.log" &
  RECORDER=$!
  SESSION_PIDS+=("$RECORDER")
  local _
  for _ in $(seq 100); do
    [ -s "$1" ] && return 0
    kill -0 "$RECORDER" 2>/dev/null || break
    sleep 0.1
  done
  echo "the recorder of the sink wrote nothing within 10 s; its output:" >&2
  sed 's/^/  | /' "$SESSION_DIR/parec.log" >&2
  return 1
}
stop_recording() {
  kill -INT "$RECORDER" 2>/dev/null || true
  wait "$RECORDER" 2>/dev/null || true
}
# Records into a file while a command runs and until the sound it starts has
# ended: on a loaded machine the quiz may answer late, so a fixed time could
# cut a clip short. Waits up to 10 s for sound, then for 0.3 s of silence.
record_clip() {
  local file=$1 heard=false _
  shift
  start_recording "$file" || return 1
  "$@"
  for _ in $(seq 100); do
    sleep 0.1
    if ! $heard; then
      is_silent "$file" || heard=true
    else
      tail -c 26460 "$file" >"$SESSION_DIR/last.raw"  # the last 0.3 s
      is_silent "$SESSION_DIR/last.raw" && break
    fi
  done
  stop_recording
}

# Sound in a raw 44.1 kHz 16-bit file of the given channels, mixed to one,
# at the given volume (1 unless given): the seconds from its first to its
# last sample above 1% of full scale, and its largest sample (0 to 1).
audible_seconds() {
  sox -t raw -r 44100 -e signed -b 16 -c "$2" "$1" -t wav "$SESSION_DIR/audible.wav" remix - vol "${3:-1}" \
    silence 1 1s 1% reverse silence 1 1s 1% reverse 2>/dev/null
  soxi -D "$SESSION_DIR/audible.wav" 2>/dev/null || echo 0
}
peak_of() {
  sox -t raw -r 44100 -e signed -b 16 -c "$2" "$1" -n remix - stat 2>&1 |
    awk '/Maximum amplitude/ { print $3; found = 1 } END { if (!found) print 0 }'
}
# True when a mono recording holds nothing above 0.2% of full scale.
is_silent() {
  awk -v p="$(peak_of "$1" 1)" 'BEGIN { exit !(p < 0.002) }'
}

# Waits (up to 10 s) until only silence reaches the sink, so that a clip
# still playing from before is not heard as part of the next one. A clip the
# quiz has just been asked for may reach the sink only some hundreds of
# milliseconds later (more on a loaded machine or under the sanitizers), so
# the listening starts a second after the call.
wait_for_silence() {
  local _
  sleep 1
  for _ in $(seq 20); do
    timeout 0.5 parec --latency-msec=20 -d quiz.monitor --format=s16le --rate=44100 --channels=1 \
      >"$SESSION_DIR/quiet.raw" 2>/dev/null || true
    # An empty recording (a recorder still connecting) proves nothing.
    [ -s "$SESSION_DIR/quiet.raw" ] && is_silent "$SESSION_DIR/quiet.raw" && return 0
  done
  echo "the sink did not fall silent within 10 s" >&2
}

# Copies the program folder so a test may change its files, then starts the
# quiz from it and sets WINDOW, WX and WY (the client area's position).
start_quiz() {
  local program_dir=$1
  cp -r "$program_dir" "$SESSION_DIR/program"
  launch_quiz env -u QT_QPA_PLATFORM "$SESSION_DIR/program/orrinvale"
}

# Runs the given command, which starts the quiz, waits for its window and sets
# WINDOW, WX and WY. When no window appears it says why: the quiz's output,
# whether it still runs or how it ended, and whether the X server answers. A
# loaded Xvfb sometimes refuses a new client; a quiz that died of exactly that
# is started once more.
launch_quiz() {
  local attempt
  # One start in a hundred opens the home page. Where no browser launcher is
  # installed that is an error box before the window, which a test would
  # take for a window that never came: a launcher that opens nothing stands
  # in (the quiz without one is a row of the bad-input table).
  if [ ! -x "$SESSION_DIR/bin/xdg-open" ]; then
    mkdir -p "$SESSION_DIR/bin"
    printf '#!/bin/sh\nexit 0\n' >"$SESSION_DIR/bin/xdg-open"
    chmod +x "$SESSION_DIR/bin/xdg-open"
  fi
  export PATH="$SESSION_DIR/bin:$PATH"
  for attempt in 1 2; do
    "$@" >"$SESSION_DIR/quiz.log" 2>&1 &
    QUIZ_PID=$!
    SESSION_PIDS+=("$QUIZ_PID")
    # Waits up to 20 s for the window, and no longer than the quiz lives.
    WINDOW=""
    local waited
    for waited in $(seq 100); do
      WINDOW=$(xdotool search --onlyvisible --name '^Orrinvale$' 2>/dev/null | head -n 1 || true)
      [ -n "$WINDOW" ] && break
      kill -0 "$QUIZ_PID" 2>/dev/null || break
      sleep 0.2
    done
    if [ -n "$WINDOW" ]; then
      eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
      WX=$X
      WY=$Y
      sleep 1
      return 0
    fi
    local status="still running after 20 s"
    if ! kill -0 "$QUIZ_PID" 2>/dev/null; then
      local code=0
      wait "$QUIZ_PID" || code=$?
      status="ended with exit status $code"
    fi
    echo "the quiz window did not appear (waited $((waited / 5)) s of 20 for a visible window named 'Orrinvale' on $DISPLAY)" >&2
    echo "the quiz $status; its output:" >&2
    sed 's/^/  | /' "$SESSION_DIR/quiz.log" >&2
    if xdpyinfo >/dev/null 2>&1; then
      echo "the X server on $DISPLAY answers; its visible windows:" >&2
      for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        echo "  | $w '$(xdotool getwindowname "$w" 2>/dev/null)'" >&2
      done
    else
      echo "the X server on $DISPLAY does not answer" >&2
    fi
    if [ "$attempt" = 1 ] && [[ $status == ended* ]] && grep -q "could not connect to display" "$SESSION_DIR/quiz.log"; then
      echo "the X server refused the quiz as a client; starting it once more" >&2
      continue
    fi
    return 1
  done
  return 1
}

# Drags with real pointer events from one client point to another, in steps.
drag() {
  local x0=$1 y0=$2 x1=$3 y1=$4 steps=12
  xdotool mousemove $((WX + x0)) $((WY + y0)) mousedown 1
  for i in $(seq 1 $steps); do
    xdotool mousemove $((WX + x0 + (x1 - x0) * i / steps)) $((WY + y0 + (y1 - y0) * i / steps))
    sleep 0.02
  done
  xdotool mouseup 1
  sleep 0.3
}

# Checks: `check "what" command...` prints ok or FAILED and counts failures;
# `finish_checks` keeps the pictures (in $ACCEPTANCE_PICTURES, when set) and
# ends the test with the count.
failures=0
check() {
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
finish_checks() {
  if [ -n "${ACCEPTANCE_PICTURES:-}" ]; then
    mkdir -p "$ACCEPTANCE_PICTURES" && cp "$SESSION_DIR"/*.png "$ACCEPTANCE_PICTURES"/
  fi
  echo "$failures failed"
  [ "$failures" -eq 0 ]
}
gt() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

# Pictures: the share of pixels in a box (x y width height) of
# $SESSION_DIR/NAME.png that are near white, or near black.
white_in() { convert "$SESSION_DIR/$1.png" -crop "$4x$5+$2+$3" +repage -colorspace gray -threshold 85% -format '%[fx:mean]' info:; }
dark_in() { convert "$SESSION_DIR/$1.png" -crop "$4x$5+$2+$3" +repage -colorspace gray -negate -threshold 75% -format '%[fx:mean]' info:; }

# The quiz's points (quiz_points' output in $SESSION_DIR/points): field K of
# name I. A name's white text in the panel and its map name's dark text, in a
# picture whose client area starts at PICTURE_X, PICTURE_Y (0, 0 for a
# picture of the window itself).
point() { awk -v i="$1" -v k="$2" '$1 == i { print $k }' "$SESSION_DIR/points"; }
name_white() {
  white_in "$1" $((${PICTURE_X:-0} + $(point "$2" 2) - 20)) $((${PICTURE_Y:-0} + $(point "$2" 3) - 6)) 60 12
}
mapname_dark() {
  dark_in "$1" $((${PICTURE_X:-0} + $(point "$2" 6))) $((${PICTURE_Y:-0} + $(point "$2" 7))) "$(point "$2" 8)" "$(point "$2" 9)"
}
