#!/usr/bin/env bash
# The quiz as a person uses it: started from its program folder in a real X
# server, driven with real pointer events, judged from pictures of its window
# and from what reaches a PulseAudio null sink.
#   acceptance_test.sh <program folder> <quiz_points> <faulty_quiz>
set -euo pipefail
source "$(dirname "$0")/session/session.sh"
require Xvfb xdotool xdpyinfo xprop import convert pulseaudio pactl parec sox
program=$1
points=$2
faulty=$3

start_xvfb
start_pulse
# The clip decoder, wrapped so that each start is logged: the shipped clips
# were decoded by the build and need none.
wrap_decoder() {
  local plugins="$SESSION_DIR/program/plugins"
  mv "$plugins/orrinvale-decoder" "$plugins/decoder-itself"
  printf '#!/bin/sh\necho "$@" >>"%s"\nexec "%s" "$@"\n' "$SESSION_DIR/decoder.log" "$plugins/decoder-itself" \
    >"$plugins/orrinvale-decoder"
  chmod +x "$plugins/orrinvale-decoder"
}
cp -r "$program" "$SESSION_DIR/program"
wrap_decoder
launch_quiz env -u QT_QPA_PLATFORM "$SESSION_DIR/program/orrinvale" || { echo "FAILED: the quiz did not start"; exit 1; }
"$points" "$program" >"$SESSION_DIR/points"

shot() { import -window "$WINDOW" "$SESSION_DIR/$1.png"; }
drop_name() {  # drop_name INDEX ONTO_INDEX: drags name INDEX onto the state of ONTO_INDEX
  drag "$(point "$1" 2)" "$(point "$1" 3)" "$(point "$2" 4)" "$(point "$2" 5)"
}

# The window: a client area of 784 x 624 that cannot be resized.
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
check "client area is 784 x 624 (it is ${WIDTH} x ${HEIGHT})" [ "$WIDTH" = 784 ] && [ "$HEIGHT" = 624 ]
check "the window is titled exactly Orrinvale" [ "$(xdotool getwindowname "$WINDOW")" = Orrinvale ]
icons=$(xprop -len 4000000 -id "$WINDOW" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ' || true)
check "the window carries the icon at 32, 48, 128 and 256 pixels ($icons)" \
  [ "$icons" = "Icon (32 x 32) Icon (48 x 48) Icon (128 x 128) Icon (256 x 256) " ]
hints=$(xprop -id "$WINDOW" WM_NORMAL_HINTS)
check "minimum and maximum size are both 784 x 624" \
  grep -q "minimum size: 784 by 624" <<<"$hints"
check "the window cannot be resized" grep -q "maximum size: 784 by 624" <<<"$hints"

# What each clip should sound like: decoded by the program's own decoder
# (one record each: a length of eight bytes, then stereo samples).
for clip in correct wrong complete; do
  "$program/plugins/orrinvale-decoder" "$program/sounds/$clip.wma" | tail -c +9 >"$SESSION_DIR/$clip.raw"
done
# hears CLIP RECORDING: the recording holds the clip, whole and at volume 37:
# as long as the clip at that volume (within 40 ms) and its loudest sample
# 0.37 of the clip's own (within 0.03).
hears() {
  local want got ref peak
  want=$(audible_seconds "$SESSION_DIR/$1.raw" 2 0.37)
  got=$(audible_seconds "$2" 1)
  ref=$(peak_of "$SESSION_DIR/$1.raw" 2)
  peak=$(peak_of "$2" 1)
  check "the $1 clip plays whole: $got s heard of $want s" \
    awk -v a="$got" -v b="$want" 'BEGIN { d = a - b; exit !(d < 0.04 && d > -0.04) }'
  check "at volume 37: loudest sample $peak of the clip's $ref" \
    awk -v a="$peak" -v b="$ref" 'BEGIN { r = a / b; exit !(b > 0 && r > 0.34 && r < 0.40) }'
}

# A wrong drop: Texas (42) onto Oklahoma (35) leaves it in the panel.
shot before
record_clip "$SESSION_DIR/wrong-drop.raw" drop_name 42 35
shot wrong
hears wrong "$SESSION_DIR/wrong-drop.raw"
check "a wrong drop leaves Texas in the panel" gt "$(name_white wrong 42)" 0.05
check "a wrong drop shows no map name" [ "$(mapname_dark wrong 42)" = "$(mapname_dark before 42)" ]

# A correct drop with the sink recorded: Alabama (0) onto Alabama.
record_clip "$SESSION_DIR/drop.raw" drop_name 0 0
shot correct
check "Alabama was in the panel before" gt "$(name_white before 0)" 0.05
check "a correct drop hides Alabama in the panel" [ "$(name_white correct 0)" = 0 ]
check "and shows it on the map" gt "$(mapname_dark correct 0)" "$(mapname_dark before 0)"
hears correct "$SESSION_DIR/drop.raw"

# The other forty-nine, then the congratulation with its clip.
for i in $(seq 1 48); do drop_name "$i" "$i"; done
# A loaded machine may be behind the pointer: wait until the quiz has taken
# the last drop (its name is gone from the panel) and its chime has ended.
for _ in $(seq 50); do
  shot caught-up
  [ "$(name_white caught-up 48)" = 0 ] && break
  sleep 0.2
done
wait_for_silence
record_clip "$SESSION_DIR/fiftieth.raw" drop_name 49 49
hears complete "$SESSION_DIR/fiftieth.raw"
box=""
for _ in $(seq 50); do
  box=$(xdotool search --onlyvisible --name '^Orrinvale$' | grep -v "^$WINDOW\$" | head -n 1 || true)
  [ -n "$box" ] && break
  sleep 0.1
done
check "after fifty the congratulation box is up" [ -n "$box" ]
if [ -n "$box" ]; then
  check "its title is the application title" [ "$(xdotool getwindowname "$box")" = Orrinvale ]
  import -window "$box" "$SESSION_DIR/box.png" || true
  geometry=$(xdotool getwindowgeometry --shell "$box")
  value() { sed -n "s/^$1=//p" <<<"$geometry"; }
  # OK is the box's only button, at its lower right; Return presses it too.
  xdotool windowfocus "$box" key Return || true
  sleep 0.8
  if xdotool search --onlyvisible --name '^Orrinvale$' | grep -qx "$box"; then
    xdotool mousemove $(($(value X) + $(value WIDTH) - 50)) $(($(value Y) + $(value HEIGHT) - 25)) click 1
    sleep 0.8
  fi
  check "OK closes the box" bash -c "! xdotool search --onlyvisible --name '^Orrinvale\$' | grep -qx $box"
fi
shot dealt
dealt_ok=true
for i in $(seq 0 49); do gt "$(name_white dealt "$i")" 0.05 || { dealt_ok=false; echo "name $i missing"; }; done
check "after OK the board is dealt afresh with all fifty names" $dealt_ok
check "and the map shows no name" [ "$(mapname_dark dealt 0)" = "$(mapname_dark before 0)" ]

check "the shipped clips played without starting the decoder ($(cat "$SESSION_DIR/decoder.log" 2>/dev/null | wc -l) starts)" \
  [ ! -s "$SESSION_DIR/decoder.log" ]

# A clip a player replaced (a WAV in correct.wma's place) is decoded by the
# decoder, after the first frame, and heard.
kill "$QUIZ_PID" 2>/dev/null || true
wait "$QUIZ_PID" 2>/dev/null || true
sox -n -r 22050 -c 1 -b 16 -t wav "$SESSION_DIR/program/sounds/correct.wma" synth 0.5 sine 660 vol 0.5
"$program/plugins/orrinvale-decoder" "$SESSION_DIR/program/sounds/correct.wma" | tail -c +9 >"$SESSION_DIR/replaced.raw"
if launch_quiz env -u QT_QPA_PLATFORM "$SESSION_DIR/program/orrinvale"; then
  record_clip "$SESSION_DIR/replaced-drop.raw" drop_name 0 0
  hears replaced "$SESSION_DIR/replaced-drop.raw"
  check "the replaced clip alone went to the decoder ($(cat "$SESSION_DIR/decoder.log"))" \
    [ "$(wc -l <"$SESSION_DIR/decoder.log")" = 1 ] && grep -q "correct.wma$" "$SESSION_DIR/decoder.log"
else
  check "the quiz with a replaced clip starts" false
fi

# An error box raised after start-up carries exactly its own title. Exit is
# made to fail, so the window stays open after the box.
kill "$QUIZ_PID" 2>/dev/null || true
wait "$QUIZ_PID" 2>/dev/null || true
cp "$faulty" "$SESSION_DIR/program/"
if launch_quiz env -u QT_QPA_PLATFORM "$SESSION_DIR/program/$(basename "$faulty")" \
    "in Orrinvale2021/08/31.Form1.PushButton2_Click " 100; then
  xdotool mousemove $((WX + 74)) $((WY + 514)) click 1
  error_box=$(timeout 10 xdotool search --sync --onlyvisible --name 'Application Error' 2>/dev/null | head -n 1 || true)
  check "Exit made to fail raises an error box" [ -n "$error_box" ]
  if [ -n "$error_box" ]; then
    check "its title is exactly \"Application Error\" ($(xdotool getwindowname "$error_box"))" \
      [ "$(xdotool getwindowname "$error_box")" = "Application Error" ]
    check "and so is its title for the desktop" \
      grep -qx '_NET_WM_NAME(UTF8_STRING) = "Application Error"' <<<"$(xprop -id "$error_box" _NET_WM_NAME)"
    sleep 0.3
    import -window "$error_box" "$SESSION_DIR/error-box.png" || true
    xdotool windowfocus "$error_box" key Return || true
    sleep 0.5
  fi
  check "after the box the quiz window is still open" \
    bash -c "xdotool search --onlyvisible --name '^Orrinvale\$' | grep -qx $WINDOW"
else
  check "the quiz with a failing Exit starts" false
fi

finish_checks
