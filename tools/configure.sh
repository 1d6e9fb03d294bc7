#!/usr/bin/env bash
# Configures a build folder from its CMake preset. A folder configured before
# the presets chose Ninja holds another generator's cache, which CMake will
# not reuse; such a cache is removed first.
#   tools/configure.sh <preset>
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
preset=$1
# The preset's build folder, as CMakePresets.json names it.
folder=$(sed -n "/\"name\": \"$preset\"/,/binaryDir/ s|.*\"binaryDir\": \"\\\${sourceDir}/\([^\"]*\)\".*|\1|p" \
  CMakePresets.json)
if [ -n "$folder" ] && [ -f "$folder/CMakeCache.txt" ] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$folder/CMakeCache.txt"; then
  echo "$folder was configured for another generator; configuring it afresh"
  rm -rf --one-file-system "$folder/CMakeCache.txt" "$folder/CMakeFiles"
fi
cmake --preset "$preset" >/dev/null
