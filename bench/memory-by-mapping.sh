#!/usr/bin/env bash
# The quiz's resident memory against the bare window's, broken down by
# mapping, both shown under Xvfb and left to settle for two seconds.
#   bench/memory-by-mapping.sh [rows, default 20]   (after bench/run.sh has built)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin="$root/build-bench"
source "$root/tests/session/session.sh"
start_xvfb -br
start_pulse
export XDG_RUNTIME_DIR="$SESSION_DIR/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
"$bin/bin/orrinvale" >/dev/null 2>&1 &
quiz=$!
SESSION_PIDS+=("$quiz")
"$bin/bench/bare_window" >/dev/null 2>&1 &
bare=$!
SESSION_PIDS+=("$bare")
sleep 2
echo "$(. /etc/os-release && echo "$PRETTY_NAME"), Qt $(pkg-config --modversion Qt6Core 2>/dev/null || echo 6)"
python3 "$root/bench/memory_by_mapping.py" "$quiz" "$bare" "${1:-20}"
