#!/usr/bin/env bash
# Builds the quiz (installing what it needs) and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh" run
cmake -S "$root" -B "$root/build" -DBUILD_TESTING=OFF >/dev/null
cmake --build "$root/build" --parallel "$(nproc)"
exec "$root/build/bin/orrinvale"
