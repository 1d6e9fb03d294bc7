#!/usr/bin/env bash
# Builds the quiz and every test (installing what they need) and runs them:
# the whole suite in a normal build, again with AddressSanitizer and
# UndefinedBehaviorSanitizer, then each fuzz target for 30 seconds, and last
# the Debian package is built and checked.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/tools/install-deps.sh" test
jobs=$(nproc)

for preset in test sanitize; do
  echo "== $preset build"
  "$root/tools/configure.sh" "$preset"
  cmake --build --preset "$preset" --parallel "$jobs"
  ctest --preset "$preset" --parallel "$jobs"
done

echo "== fuzzing"
"$root/tools/fuzz.sh" 30

echo "== package"
"$root/tools/package.sh"
