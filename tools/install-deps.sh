#!/usr/bin/env bash
# Installs the Debian 12 packages the quiz needs, only those that are missing.
#   tools/install-deps.sh run    building and running the program
#   tools/install-deps.sh test   also everything the tests use
#   tools/install-deps.sh bench  also everything the benchmarks use
#   tools/install-deps.sh install  also what tools/clean-root-install.sh uses
set -euo pipefail

run_packages=(
  build-essential cmake ninja-build pkg-config libwayland-dev
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev libqt6svg6
  fonts-liberation
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-ugly
  gstreamer1.0-libav gstreamer1.0-pulseaudio
)
test_packages=(
  libgtest-dev libgmock-dev
  xvfb xauth xdotool x11-utils imagemagick
  pulseaudio pulseaudio-utils sox
  clang libclang-rt-14-dev
  dpkg-dev file lintian appstream desktop-file-utils
  weston xwayland qt6-wayland
)

install_packages=(
  debootstrap xvfb xdotool x11-utils imagemagick dpkg-dev file
)

bench_packages=(
  libbenchmark-dev libx11-dev qt6-base-dev-tools
  xvfb xdotool x11-utils pulseaudio pulseaudio-utils bc python3
)

packages=("${run_packages[@]}")
case "${1:-run}" in
  test) packages+=("${test_packages[@]}") ;;
  bench) packages+=("${bench_packages[@]}") ;;
  install) packages+=("${install_packages[@]}") ;;
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
