#!/usr/bin/env bash
# Runs the README's test command (or another command of this checkout) in a
# fresh minimal Debian root made with debootstrap, as on a new machine of
# that release: the command installs every package it needs there itself.
#   sudo tools/test-in-root.sh [--keep] [--root DIR] RELEASE [COMMAND...]
# RELEASE is 12 or 13 (bookworm or trixie); COMMAND defaults to tools/test.sh
# and runs from the checkout's copy in the root's /src. The root is made in
# build/roots/<code name> unless --root names another folder; --keep reuses
# one made before (for repeated runs while developing), otherwise it is made
# afresh. Needs root (debootstrap, mount and chroot) and Debian's archive,
# the one this machine's apt sources name.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
keep=""
ROOT_TARGET=""
while [ $# -gt 0 ]; do
  case "$1" in
    --keep) keep=keep; shift ;;
    --root) ROOT_TARGET=$(realpath -m "$2"); shift 2 ;;
    *) break ;;
  esac
done
[ $# -ge 1 ] || { sed -n '2,11p' "$0" >&2; exit 2; }
release=$1; shift
[ $# -gt 0 ] || set -- tools/test.sh
[ "$(id -u)" -eq 0 ] || { echo "run as root: debootstrap, mount and chroot need it" >&2; exit 1; }
source "$root/tools/debian-root.sh"
codename=$(root_codename "$release")
ROOT_TARGET=${ROOT_TARGET:-$root/build/roots/$codename}

if ! command -v debootstrap >/dev/null 2>&1; then
  echo "Installing: debootstrap"
  DEBIAN_FRONTEND=noninteractive apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap >/dev/null
fi

started=$(date +%s)
root_make "$codename" "$keep"
echo "  root ready after $(($(date +%s) - started)) s"
root_mount

# The checkout as git sees it (tracked files and new ones it does not
# ignore), without any build folder.
rm -rf --one-file-system "$ROOT_TARGET/src"
mkdir -p "$ROOT_TARGET/src"
(cd "$root" && git ls-files -z --cached --others --exclude-standard |
  tar --null -T - --ignore-failed-read -cf - 2>/dev/null) | tar -xf - -C "$ROOT_TARGET/src"

echo "== in the $codename root: $*"
started=$(date +%s)
status=0
root_run sh -c 'cd /src && exec "$@"' _ "$@" || status=$?
echo "== in the $codename root: '$*' ended with status $status after $(($(date +%s) - started)) s"
exit "$status"
