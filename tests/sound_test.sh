#!/usr/bin/env bash
# A correct drop made with real pointer events plays the correct clip: the
# clip's signal is found on a null sink's monitor.
#   sound_test.sh <program folder>
set -euo pipefail
source "$(dirname "$0")/session/session.sh"
require Xvfb xdotool xdpyinfo pulseaudio pactl parec sox

start_xvfb
start_pulse
start_quiz "$1"

# Record the sink while Alabama (top of the first column) goes onto Alabama.
parec -d quiz.monitor --format=s16le --rate=44100 --channels=1 >"$SESSION_DIR/drop.raw" &
recorder=$!
SESSION_PIDS+=("$recorder")
sleep 0.3
drag 170 474 547 343
sleep 1.5
kill "$recorder"

rms=$(sox -t raw -r 44100 -e signed -b 16 -c 1 "$SESSION_DIR/drop.raw" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
echo "RMS amplitude on the sink during the drop: ${rms:-none}"
awk -v r="${rms:-0}" 'BEGIN { exit !(r > 0.01) }' || { echo "no clip signal on the sink"; exit 1; }
echo "the correct clip played"
