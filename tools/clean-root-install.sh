#!/usr/bin/env bash
# Proves the package on a machine that has nothing else: builds it for the
# release, makes a minimal root of that release with debootstrap, installs
# the package there with apt-get, starts `orrinvale` from that root on a
# private Xvfb, drops Alabama onto its state with the mouse and saves a
# picture of the window.
#   sudo tools/clean-root-install.sh [RELEASE] [OUTPUT.png]
# RELEASE is 12 or 13 (bookworm or trixie), this machine's own by default.
# The package is built here when this machine runs that release, otherwise
# in a build root of the release (tools/test-in-root.sh). Needs root
# (debootstrap, mount and chroot) and Debian's package archive, the one this
# machine's own apt sources name.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. /etc/os-release
release=${1:-$VERSION_ID}
picture=$(realpath -m "${2:-$root/build/clean-root-$release.png}")
[ "$(id -u)" -eq 0 ] || { echo "run as root: debootstrap and chroot need it" >&2; exit 1; }

"$root/tools/install-deps.sh" install
source "$root/tools/debian-root.sh"
codename=$(root_codename "$release")
if [ "$codename" = "$VERSION_CODENAME" ]; then
  "$root/tools/package.sh" >/dev/null
  deb=$(ls -t "$root"/build/orrinvale_*.deb | head -n 1)
else
  echo "building the package in a $codename root"
  "$root/tools/test-in-root.sh" --keep "$codename" tools/package.sh >"$root/build/package-$codename.log" 2>&1 ||
    { tail -n 30 "$root/build/package-$codename.log"; exit 1; }
  deb=$(ls -t "$root/build/roots/$codename/src/build/"orrinvale_*.deb | head -n 1)
fi
echo "package: $deb"
ROOT_TARGET="$root/build/roots/$codename-clean"
target=$ROOT_TARGET
source "$root/tests/session/session.sh"
# The session's processes end before the root is unmounted.
trap root_cleanup EXIT
ROOT_CLEANUP+=(session_cleanup)

started=$(date +%s)
root_make "$codename"
echo "  ready after $(($(date +%s) - started)) s, $(du -sm "$target" | cut -f1) MB"
root_mount
mkdir -p "$target/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$target/tmp/.X11-unix"
cp "$deb" "$target/tmp/"

started=$(date +%s)
before=$(chroot "$target" dpkg-query -W -f='.\n' | wc -l)
echo "apt-get install ./$(basename "$deb")"
chroot "$target" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
chroot "$target" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "/tmp/$(basename "$deb")" \
  >"$SESSION_DIR/install.log" 2>&1 || { tail -n 20 "$SESSION_DIR/install.log"; exit 1; }
echo "  installed with $(($(chroot "$target" dpkg-query -W -f='.\n' | wc -l) - before)) packages in" \
  "$(($(date +%s) - started)) s"
chroot "$target" sh -c 'ls -l /usr/bin/orrinvale; find /usr/lib/orrinvale | sort'

start_xvfb
echo "starting /usr/bin/orrinvale in the new root on $DISPLAY"
launch_quiz chroot "$target" env DISPLAY="$DISPLAY" HOME=/root /usr/bin/orrinvale ||
  { cat "$SESSION_DIR/quiz.log"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
echo "  window $WINDOW: ${WIDTH} x ${HEIGHT}"

# Alabama, the first name in the panel, onto Alabama on the map.
drag 168 474 528 316
mkdir -p "$(dirname "$picture")"
import -window "$WINDOW" "$picture"
echo "  saved $picture"
[ "$WIDTH" -eq 784 ] && [ "$HEIGHT" -eq 624 ] || { echo "the window is not 784 x 624"; exit 1; }
echo "the package installs and the quiz starts in a clean Debian $release ($codename) root"
