#!/usr/bin/env bash
# Configures a build folder from its CMake preset. A folder configured before
# the presets chose Ninja holds another generator's cache, which CMake will
# not reuse; such a cache is removed first.
#   tools/configure.sh <preset>
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
preset=$1
folder=build
case "$preset" in
  release) folder=build ;;
  *) folder=build-$preset ;;
esac
if [ -f "$folder/CMakeCache.txt" ] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$folder/CMakeCache.txt"; then
  echo "$folder was configured for another generator; configuring it afresh"
  rm -rf --one-file-system "$folder/CMakeCache.txt" "$folder/CMakeFiles"
fi
cmake --preset "$preset" >/dev/null
