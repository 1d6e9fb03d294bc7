#!/usr/bin/env bash
# Proves the package on a machine that has nothing else: builds it, makes a
# minimal Debian 12 root with debootstrap, installs the package there with
# apt-get, starts `orrinvale` from that root on a private Xvfb, drops Alabama
# onto its state with the mouse and saves a picture of the window.
#   sudo tools/clean-root-install.sh [ROOT FOLDER, default build/clean-root] [OUTPUT.png]
# Needs root (debootstrap and chroot) and Debian's package archive. The
# archive is the one this machine's own apt sources name.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
target=$(realpath -m "${1:-$root/build/clean-root}")
picture=$(realpath -m "${2:-$root/build/clean-root.png}")
[ "$(id -u)" -eq 0 ] || { echo "run as root: debootstrap and chroot need it" >&2; exit 1; }

"$root/tools/install-deps.sh" install
"$root/tools/package.sh" >/dev/null
deb=$(ls -t "$root"/build/orrinvale_*.deb | head -n 1)

# The first Debian archive named in this machine's apt sources.
mirror=$(sed -n 's/^URIs: *\([^ ]*\).*/\1/p; s/^deb \(\[[^]]*\] \)\{0,1\}\([^ ]*\) .*/\2/p' \
  /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null | grep -m 1 '/debian/\?$' || true)

# Everything mounted at or below the root, deepest first.
mounts_below() { awk -v t="$target" '$2 == t || index($2, t "/") == 1 { print $2 }' /proc/self/mounts | sort -r; }
unmount_all() {
  local m
  for m in $(mounts_below); do umount -l "$m" 2>/dev/null || true; done
}
source "$root/tests/session/session.sh"
# The root's /dev and /proc are the host's own, mounted in: they must be gone
# before anything below the root is deleted, whatever way this script ends.
cleanup() {
  session_cleanup
  unmount_all
}
trap cleanup EXIT
unmount_all  # left by an earlier run that was killed
if [ -n "$(mounts_below)" ]; then
  echo "something is still mounted below $target; not touching it" >&2
  exit 1
fi

started=$(date +%s)
if [ ! -x "$target/usr/bin/apt-get" ]; then
  rm -rf --one-file-system "$target"
  echo "debootstrap: a minimal bookworm root in $target"
  debootstrap --variant=minbase bookworm "$target" ${mirror:+"$mirror"} >"$SESSION_DIR/debootstrap.log" 2>&1 ||
    { tail -n 20 "$SESSION_DIR/debootstrap.log"; exit 1; }
fi
echo "  ready after $(($(date +%s) - started)) s, $(du -sm "$target" | cut -f1) MB"

for fs in proc dev tmp/.X11-unix; do
  mkdir -p "$target/$fs"
  mount --bind "/$fs" "$target/$fs"
done
cp /etc/resolv.conf "$target/etc/resolv.conf" 2>/dev/null || true
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
echo "the package installs and the quiz starts in a clean Debian 12 root"
