#!/usr/bin/env bash
# Builds the quiz and every test (installing what they need) and runs them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh" test
build="$root/build-test"
cmake -S "$root" -B "$build" -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"
cd "$build"
ctest --output-on-failure --parallel "$(nproc)"
