#!/usr/bin/env bash
# Starts the built quiz under Xvfb and saves a picture of its window.
#   tools/screenshot.sh [--build DIR] [--skin FILE] [--scale N] [--map NAME] OUTPUT.png
# --skin puts FILE in the program folder as x/o.cjs (in a copy of the folder);
# --scale N runs at N times the logical size (Qt's device pixel ratio).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
skin=""
scale=1
map=()
while [ $# -gt 1 ]; do
  case "$1" in
    --build) build=$2; shift 2 ;;
    --skin) skin=$2; shift 2 ;;
    --scale) scale=$2; shift 2 ;;
    --map) map=(--map "$2"); shift 2 ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
done
out=${1:?usage: screenshot.sh [--build DIR] [--skin FILE] [--scale N] [--map NAME] OUTPUT.png}
out=$(realpath -m "$out")

work=$(mktemp -d)
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

cp -r "$build/bin" "$work/program"
if [ -n "$skin" ]; then
  mkdir -p "$work/program/x"
  cp "$skin" "$work/program/x/o.cjs"
fi

display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 2560x1800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

QT_SCALE_FACTOR=$scale "$work/program/orrinvale" "${map[@]}" >/dev/null 2>&1 &
app=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orrinvale$' | head -n 1)
sleep 1.5
mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "saved $out ($(identify -format '%wx%h' "$out"))"
