#!/usr/bin/env bash
# Starts the built quiz on a map under Xvfb, places every name through the
# screen reader's actions, and saves a picture of the complete board with
# the congratulations moved aside; then closes the box.
#   tools/screenshot-complete.sh [--build DIR] MAP OUTPUT.png
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
if [ "${1:-}" = --build ]; then build=$2; shift 2; fi
map=${1:?usage: screenshot-complete.sh [--build DIR] MAP OUTPUT.png}
out=$(realpath -m "${2:?usage: screenshot-complete.sh [--build DIR] MAP OUTPUT.png}")
if [ -z "${ORRINVALE_SHOT_BUS:-}" ]; then ORRINVALE_SHOT_BUS=1 exec dbus-run-session -- "$0" --build "$build" "$@"; fi
source "$root/tests/session/session.sh"
export XDG_RUNTIME_DIR="$SESSION_DIR/runtime" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
start_xvfb
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
SESSION_PIDS+=($!)
launch_quiz env -u QT_QPA_PLATFORM "$build/bin/orrinvale" --map "$map"
xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
"$build/tests/session/quiz_points" "$build/bin" --states --map "$map" >"$SESSION_DIR/graph"
PYTHONPATH="$root/tests/session" /usr/bin/python3 - "$SESSION_DIR/graph" "$build/bin/maps/$map.txt" "$out" "$WINDOW" \
  "$root/tests/session/access_client.py" <<'PYTHON'
import subprocess, sys, time
from access_quiz import Quiz, do_action, find_box, place_by_actions, read_graph, read_table, wait_for
graph, table_path, out, window, client = sys.argv[1:6]
table = read_table(table_path)
codes, _ = read_graph(graph)
quiz = Quiz()
while quiz.names.childCount > 1:
    place_by_actions(quiz, table, codes, quiz.names.getChildAtIndex(0))
last = quiz.names.getChildAtIndex(0)
goal = next(n for n, c in codes.items() if c == table[last.name])
do_action(last, "Pick up")
time.sleep(0.3)
# The last drop's action waits for the box: another process does it.
drop = subprocess.Popen([sys.executable, client, "drop", str(goal)])
wait_for("the congratulations", lambda: find_box(quiz))
time.sleep(0.5)
found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Orrinvale"], capture_output=True, text=True)
for other in found.stdout.split():
    if other != window:
        subprocess.run(["xdotool", "windowmove", other, "3000", "0"], check=True)
time.sleep(0.8)
subprocess.run(["import", "-window", window, out], check=True)
subprocess.run(["xdotool", "key", "Return"], check=True)
drop.wait(timeout=20)
print(f"saved {out}")
PYTHON
