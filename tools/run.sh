#!/usr/bin/env bash
# Builds the quiz (installing what it needs) and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh" run
cd "$root"
"$root/tools/configure.sh" release
cmake --build --preset release --parallel "$(nproc)"
exec "$root/build/bin/orrinvale" "$@"
