#!/usr/bin/env bash
# Installs the Debian packages the quiz needs, only those that are missing,
# on Debian 12 and Debian 13 alike (every name here exists on both; what
# differs by release is chosen below, and only here).
#   tools/install-deps.sh run    building and running the program
#   tools/install-deps.sh test   also everything the tests use
#   tools/install-deps.sh bench  also everything the benchmarks use
#   tools/install-deps.sh package  also what tools/package.sh uses
#   tools/install-deps.sh install  also what tools/clean-root-install.sh uses
# Without apt-get (another system) it installs nothing: it says what the
# build needs and lets the build go on, which fails clearly if any is missing.
set -euo pipefail

run_packages=(
  build-essential cmake ninja-build pkg-config libwayland-dev
  qt6-base-dev qt6-svg-dev libqt6svg6 libpulse-dev
  libavformat-dev libavcodec-dev libswresample-dev libavutil-dev
  fonts-liberation
)
test_packages=(
  libgtest-dev libgmock-dev
  xvfb xauth xdotool x11-utils imagemagick
  pulseaudio pulseaudio-utils sox
  clang libclang-rt-dev
  weston xwayland qt6-wayland
  dbus-daemon at-spi2-core python3-pyatspi
  orca speech-dispatcher espeak-ng speech-dispatcher-espeak-ng
)

package_packages=(
  dpkg-dev file lintian appstream desktop-file-utils
)

install_packages=(
  debootstrap xvfb xdotool x11-utils imagemagick
)

bench_packages=(
  libbenchmark-dev libx11-dev libxtst-dev qt6-base-dev-tools
  xvfb xdotool x11-utils pulseaudio pulseaudio-utils bc python3
)

packages=("${run_packages[@]}")
case "${1:-run}" in
  test) packages+=("${test_packages[@]}" "${package_packages[@]}") ;;
  package) packages+=("${package_packages[@]}") ;;
  bench) packages+=("${bench_packages[@]}") ;;
  install) packages+=("${install_packages[@]}" "${package_packages[@]}") ;;
esac

if ! command -v apt-get >/dev/null 2>&1 || ! command -v dpkg-query >/dev/null 2>&1; then
  cat >&2 <<'MSG'
This is not a Debian system, so nothing is installed for you. The build needs
CMake (3.25 or newer), Ninja, pkg-config, a C++20 compiler (GCC 12 or clang 14
or newer), the development files of Qt 6 Widgets and Svg, of PulseAudio's client
library (libpulse), of FFmpeg's libavformat, libavcodec, libswresample and libavutil, and of
libwayland-client, and the Liberation fonts. The tests also use GoogleTest,
Xvfb, xdotool, xprop and xdpyinfo, ImageMagick, PulseAudio with pactl and
parec, sox, clang with its sanitizer and libFuzzer runtime, Weston with
XWayland and Qt's Wayland plugin, dbus-run-session with the AT-SPI bus and
Python's pyatspi, the Orca screen reader with speech-dispatcher and
espeak-ng, dpkg-deb, lintian, appstreamcli and desktop-file-validate;
a test whose tools are missing says so and is skipped.
Going on with the build.
MSG
  exit 0
fi

# The names on the map are set in Liberation Sans Narrow (Arial Narrow's
# metrics): Debian 12's fonts-liberation holds it, Debian 13 ships it in a
# package of its own. Without it the names fall back to a monospaced face.
case "$(. /etc/os-release 2>/dev/null && echo "${VERSION_ID:-}")" in
  12) ;;
  *) packages+=(fonts-liberation-sans-narrow) ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
