#!/usr/bin/env bash
# Paints the push-pin, the hand cursor and the application icon into assets/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-tools"
cmake -S "$root" -B "$build" -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target iconpainter --parallel "$(nproc)"
QT_QPA_PLATFORM=offscreen "$build/tools/iconpainter/iconpainter" "$root/assets"
