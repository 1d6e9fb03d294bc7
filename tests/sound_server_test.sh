#!/usr/bin/env bash
# The clips and the sound server, in a real window with real pointer events:
# a new clip cuts the one playing; without a server the quiz comes up and
# plays silently, with no box and at most one line on the terminal; a server
# killed during a game leaves it silent without spinning, and it is heard
# again once the server is back; a server that accepts the connection and
# never answers holds up neither the drops nor the exit; a whole game leaves
# none of the quiz's streams on the server.
#   sound_server_test.sh <program folder> <quiz_points>
set -euo pipefail
source "$(dirname "$0")/session/session.sh"
require Xvfb xdotool xdpyinfo pulseaudio pactl parec pacat sox python3
program=$1

start_xvfb
start_pulse
export XDG_RUNTIME_DIR="$SESSION_DIR/runtime"  # else Qt says it is missing, a line of its own
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
pulse_pid=${SESSION_PIDS[-2]}  # start_pulse's daemon, before its silent stream
"$2" "$program" >"$SESSION_DIR/points"
drop_name() { drag "$(point "$1" 2)" "$(point "$1" 3)" "$(point "$2" 4)" "$(point "$2" 5)"; }
wrong_drop() { drop_name 42 35; }  # Texas onto Oklahoma: the name stays for the next
cut_by_right_drop() { wrong_drop; sleep 0.5; drop_name 0 0; }
stop_quiz() { kill "$QUIZ_PID" 2>/dev/null || true; wait "$QUIZ_PID" 2>/dev/null || true; }
# The quiz's window is the only one up: no box.
no_box() { [ "$(xdotool search --onlyvisible --name '.' 2>/dev/null | grep -cvx "$WINDOW")" = 0 ]; }
# CPU seconds the quiz used over ten idle seconds, in per cent.
idle_cpu() {
  local before after
  before=$(awk '{ print $14 + $15 }' "/proc/$QUIZ_PID/stat")
  sleep 10
  after=$(awk '{ print $14 + $15 }' "/proc/$QUIZ_PID/stat")
  echo $(((after - before) * 100 / (10 * $(getconf CLK_TCK))))
}

# A new clip cuts the one playing: a three-second wrong clip, then a right
# drop whose clip lasts 0.4 s.
cp -r "$program" "$SESSION_DIR/program"
sox -n -r 44100 -c 2 -b 16 -t wav "$SESSION_DIR/program/sounds/wrong.wma" synth 3 sine 440 vol 0.5
sox -n -r 44100 -c 2 -b 16 -t wav "$SESSION_DIR/program/sounds/correct.wma" synth 0.4 sine 880 vol 0.5
launch_quiz env -u QT_QPA_PLATFORM "$SESSION_DIR/program/orrinvale" || { echo "FAILED: the quiz did not start"; exit 1; }
sleep 1  # the replaced clips are decoded after the first frame
record_clip "$SESSION_DIR/cut.raw" cut_by_right_drop
heard=$(audible_seconds "$SESSION_DIR/cut.raw" 1)
check "the right drop's clip cuts the wrong drop's: $heard s heard, less than the 3 s clip" \
  awk -v s="$heard" 'BEGIN { exit !(s > 0.9 && s < 2.5) }'
stop_quiz

# The server killed during a game: silent, no box, no spinning; started
# again: heard at the next drop.
launch_quiz env -u QT_QPA_PLATFORM "$program/orrinvale" || { echo "FAILED: the quiz did not start"; exit 1; }
record_clip "$SESSION_DIR/before-kill.raw" wrong_drop
check "a wrong drop is heard while the server runs" gt "$(audible_seconds "$SESSION_DIR/before-kill.raw" 1)" 0.3
kill "$pulse_pid"
wait "$pulse_pid" 2>/dev/null || true
wrong_drop
check "with the server gone a wrong drop raises no box" no_box
cpu=$(idle_cpu)
check "with the server gone the idle quiz uses under 1 per cent of a core ($cpu)" [ "$cpu" -lt 1 ]
start_pulse
record_clip "$SESSION_DIR/after-restart.raw" wrong_drop
check "with the server back the next wrong drop is heard" \
  gt "$(audible_seconds "$SESSION_DIR/after-restart.raw" 1)" 0.3
check "the quiz said at most one line ($(wc -l <"$SESSION_DIR/quiz.log"))" [ "$(wc -l <"$SESSION_DIR/quiz.log")" -le 1 ]
stop_quiz

# A whole game by quick clicks: once the clips have played, none of the
# quiz's streams is left on the server. The last right drop's clip is cut at
# once by the complete clip, while the server is still making its stream.
quiz_streams() { pactl list sink-inputs | grep -c "application.process.id = \"$QUIZ_PID\"" || true; }
if launch_quiz env -u QT_QPA_PLATFORM "$program/orrinvale" --click-to-place; then
  clicks=()
  for i in $(seq 0 49); do
    clicks+=(mousemove $((WX + $(point "$i" 2))) $((WY + $(point "$i" 3))) click 1
             mousemove $((WX + $(point "$i" 4))) $((WY + $(point "$i" 5))) click 1 sleep 0.04)
  done
  xdotool "${clicks[@]}"
  check "the game by clicks ends in the congratulations" [ "$(no_box && echo no)" != no ]
  for _ in $(seq 20); do sleep 0.5; left=$(quiz_streams); [ "$left" = 0 ] && break; done
  check "after a whole game, $left of the quiz's streams on the server" [ "$left" = 0 ]
else
  check "the quiz by clicks comes up" false
fi
stop_quiz

# No server at all, then one that accepts and never answers.
PULSE_SERVER="unix:$SESSION_DIR/no-server" launch_quiz env -u QT_QPA_PLATFORM "$program/orrinvale" &&
  check "without a server the window comes" true || check "without a server the window comes" false
wrong_drop
check "without a server a wrong drop raises no box" no_box
check "and the quiz said at most one line ($(cat "$SESSION_DIR/quiz.log"))" [ "$(wc -l <"$SESSION_DIR/quiz.log")" -le 1 ]
stop_quiz
python3 -c 'import socket, sys, time
s = socket.socket(socket.AF_UNIX); s.bind(sys.argv[1]); s.listen(8)
held = []
while True: held.append(s.accept())' "$SESSION_DIR/mute" &
SESSION_PIDS+=($!)
sleep 0.5
if PULSE_SERVER="unix:$SESSION_DIR/mute" launch_quiz env -u QT_QPA_PLATFORM "$program/orrinvale"; then
  wrong_drop
  wrong_drop
  xdotool mousemove $((WX + 74)) $((WY + 514)) click 1  # Exit
  ended=false
  for _ in $(seq 50); do kill -0 "$QUIZ_PID" 2>/dev/null || { ended=true; break; }; sleep 0.1; done
  check "with a server that never answers, Exit ends the quiz within 5 s" $ended
else
  check "with a server that never answers the window comes" false
fi

finish_checks
