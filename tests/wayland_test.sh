#!/usr/bin/env bash
# The quiz in a GNOME-like Wayland session: Weston as the compositor, which
# draws no title bars for Wayland clients, with XWayland, Qt's Wayland plugin
# installed and QT_QPA_PLATFORM unset. The quiz must look and behave as under
# X11: a title bar without a maximise button and a client area of 784 x 624
# that stays so; and a real drop must place a state.
#   wayland_test.sh <program folder> <quiz_points>
set -euo pipefail
source "$(dirname "$0")/session/session.sh"
require weston Xwayland weston-screenshooter Xvfb xdotool xdpyinfo xprop convert
program=$1
points=$2
qt_plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
[ -e "$qt_plugins/platforms/libqwayland-generic.so" ] || skip "Qt's Wayland plugin is not installed (qt6-wayland)"

export XDG_RUNTIME_DIR="$SESSION_DIR/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
cp -r "$program" "$SESSION_DIR/program"
"$points" "$program" >"$SESSION_DIR/points"

# Starts Weston with the given backend options and sets WESTON_SOCKET and
# XWAYLAND_DISPLAY; weston's own messages go to $SESSION_DIR/<name>.log.
start_weston() {
  local name=$1; shift
  WESTON_SOCKET="orrinvale-$name-$$"
  weston "$@" --xwayland --debug --socket="$WESTON_SOCKET" --width=1280 --height=900 --idle-time=0 \
    >"$SESSION_DIR/$name.log" 2>&1 &
  SESSION_PIDS+=($!)
  XWAYLAND_DISPLAY=""
  for _ in $(seq 100); do
    XWAYLAND_DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$SESSION_DIR/$name.log")
    [ -n "$XWAYLAND_DISPLAY" ] && return 0
    sleep 0.1
  done
  echo "Weston did not start; its output:" >&2
  sed 's/^/  | /' "$SESSION_DIR/$name.log" >&2
  return 1
}

# Starts the quiz as a GNOME Wayland session would, on the Weston just
# started; sets WINDOW (its window on the XWayland display, if it went there).
start_quiz_in_session() {
  DISPLAY=$XWAYLAND_DISPLAY launch_quiz env -u QT_QPA_PLATFORM WAYLAND_DISPLAY="$WESTON_SOCKET" \
    DISPLAY="$XWAYLAND_DISPLAY" XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME \
    "$SESSION_DIR/program/orrinvale"
}

# A picture of the whole Weston screen, saved as $SESSION_DIR/$1.png.
screenshot() {
  rm -f "$SESSION_DIR"/wayland-screenshot-*.png
  (cd "$SESSION_DIR" && WAYLAND_DISPLAY="$WESTON_SOCKET" weston-screenshooter)
  mv "$SESSION_DIR"/wayland-screenshot-*.png "$SESSION_DIR/$1.png"
}

# Where the quiz's client area lies in a picture, found by its blue banner,
# which starts 6 pixels right and 460 down of the client's corner and is
# 771 x 128 at a scale of one. Sets CX, CY and BANNER (its size).
find_client() {
  local box
  box=$(convert "$SESSION_DIR/$1.png" -crop 1280x860+0+40 +repage -fuzz 3% -fill red -opaque "rgb(61,111,192)" \
    -fuzz 0 -fill black +opaque red -fill white -opaque red -format "%@" info:)
  BANNER=${box%%+*}
  local at=${box#*+}
  CX=$((${at%+*} - 6))
  CY=$((${at#*+} + 40 - 460))
}

# How many separate marks (buttons) stand in the last 150 pixels of the title
# bar above the client area: columns that hold anything but the bar's own
# colour, counted in runs.
title_buttons() {
  local strip="$SESSION_DIR/$1-title.png"
  convert "$SESSION_DIR/$1.png" -crop "150x20+$((CX + 784 - 150))+$((CY - 22))" +repage "$strip"
  local bar
  bar=$(convert "$strip" -format '%[pixel:p{2,2}]' info:)
  convert "$strip" -fuzz 12% -fill white -opaque "$bar" -fill black +opaque white -negate \
    -scale '150x1!' -threshold 1% txt:- |
    awk 'NR > 1 { ink = ($0 ~ /white|#FFFFFF/) } NR > 1 && ink && !was { runs++ } NR > 1 { was = ink } END { print runs + 0 }'
}

# 1. Weston headless: the window, its hints and its picture.
start_weston headless --backend=headless-backend.so --use-pixman
if start_quiz_in_session; then
  check "the quiz runs through XWayland (its window is on $XWAYLAND_DISPLAY)" [ -n "$WINDOW" ]
  eval "$(DISPLAY=$XWAYLAND_DISPLAY xdotool getwindowgeometry --shell "$WINDOW")"
  check "client area is 784 x 624 (it is ${WIDTH} x ${HEIGHT})" [ "$WIDTH" = 784 ] && [ "$HEIGHT" = 624 ]
  hints=$(DISPLAY=$XWAYLAND_DISPLAY xprop -id "$WINDOW" WM_NORMAL_HINTS _MOTIF_WM_HINTS)
  check "minimum and maximum size are both 784 x 624" \
    bash -c 'grep -q "minimum size: 784 by 624" <<<"$1" && grep -q "maximum size: 784 by 624" <<<"$1"' _ "$hints"
  decorations=$(sed -n 's/^_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = [^,]*, [^,]*, \([^,]*\),.*/\1/p' <<<"$hints")
  check "the window asks for no maximise box (decorations $decorations)" [ $((decorations & 0x40)) -eq 0 ]
  screenshot headless
  find_client headless
  check "in the picture the client area is whole and unscaled (banner $BANNER)" [ "$BANNER" = 771x128 ]
  buttons=$(title_buttons headless)
  check "the title bar holds at most minimise and close ($buttons buttons)" [ "$buttons" -ge 1 ] && [ "$buttons" -le 2 ]
else
  check "the quiz starts in the Wayland session" false
fi
stop_quiz() { kill "$QUIZ_PID" 2>/dev/null || true; wait "$QUIZ_PID" 2>/dev/null || true; }
stop_quiz

# 2. A real drop, and a try at maximising. Headless Weston has no seat, and
# XWayland without a pointer fails on synthetic input, so this part runs
# Weston in a window of a private Xvfb, whose pointer is Weston's seat.
start_xvfb
outer=$DISPLAY
start_weston nested --backend=x11-backend.so --use-pixman
if start_quiz_in_session; then
  screenshot placed-before
  find_client placed-before
  # Weston follows the pointer from where it first enters its window.
  DISPLAY=$outer xdotool mousemove 0 0 sleep 0.2 mousemove 1 1 sleep 0.2 mousemove 0 0 sleep 0.2
  # A click on the title bar gives the window the focus first, as a player
  # would: Weston 14 keeps a press on an X window without the focus to
  # itself, so a drag begun there never reaches the quiz (Weston 10 passed
  # it on).
  DISPLAY=$outer xdotool mousemove $((CX + 392)) $((CY - 12)) sleep 0.3 click 1 sleep 0.5
  WX=$CX WY=$CY DISPLAY=$outer drag "$(point 0 2)" "$(point 0 3)" "$(point 0 4)" "$(point 0 5)"
  sleep 0.5
  screenshot placed
  was=$(PICTURE_X=$CX PICTURE_Y=$CY name_white placed-before 0)
  white=$(PICTURE_X=$CX PICTURE_Y=$CY name_white placed 0)
  map=$(PICTURE_X=$CX PICTURE_Y=$CY mapname_dark placed 0)
  check "Alabama was in the panel ($was white)" gt "$was" 0.05
  check "a real drop on its state takes Alabama from the panel ($white white)" [ "$white" = 0 ]
  check "and shows it on the map ($map dark)" gt "$map" 0.02
  # A double click on the title bar maximises a window in Weston, whatever
  # its hints say; the quiz restores its size.
  DISPLAY=$outer xdotool mousemove $((CX + 392)) $((CY - 12)) sleep 0.3 click --repeat 2 --delay 80 1
  sleep 1.5
  eval "$(DISPLAY=$XWAYLAND_DISPLAY xdotool getwindowgeometry --shell "$WINDOW")"
  check "after a double click on the title bar the client area is still 784 x 624 (${WIDTH} x ${HEIGHT})" \
    [ "$WIDTH" = 784 ] && [ "$HEIGHT" = 624 ]
else
  check "the quiz starts in the nested Wayland session" false
fi
stop_quiz

finish_checks
