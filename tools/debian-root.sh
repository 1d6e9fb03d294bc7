# Helpers for a minimal Debian root made with debootstrap, shared by
# tools/test-in-root.sh and tools/clean-root-install.sh. Source this file
# after setting ROOT_TARGET (the root's folder); it installs an EXIT trap
# that unmounts everything below the root, whatever way the script ends.
# Deleting a tree with the host's /dev still mounted in it would empty the
# host's /dev, so nothing here deletes across file systems or below a mount.

# The release's code name for a number or a name: 12 or bookworm, 13 or trixie.
root_codename() {
  case "$1" in
    12 | bookworm) echo bookworm ;;
    13 | trixie) echo trixie ;;
    *) echo "unknown Debian release '$1' (12, 13, bookworm or trixie)" >&2; return 1 ;;
  esac
}

# The first Debian archive named in this machine's apt sources (empty when
# none is: debootstrap then uses its own default).
root_mirror() {
  sed -n 's/^URIs: *\([^ ]*\).*/\1/p; s/^deb \(\[[^]]*\] \)\{0,1\}\([^ ]*\) .*/\2/p' \
    /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null | grep -m 1 '/debian/\?$' || true
}

# Everything mounted at or below the root, deepest first.
root_mounts() { awk -v t="$ROOT_TARGET" '$2 == t || index($2, t "/") == 1 { print $2 }' /proc/self/mounts | sort -r; }

root_unmount_all() {
  local m
  for m in $(root_mounts); do umount -l "$m" 2>/dev/null || true; done
}

# Extra clean-up a script wants on exit, run before the unmounting.
ROOT_CLEANUP=()
root_cleanup() {
  local step
  for step in ${ROOT_CLEANUP[@]+"${ROOT_CLEANUP[@]}"}; do "$step" || true; done
  root_unmount_all
}
trap root_cleanup EXIT

# Makes a fresh minimal root of the release (a number or a code name), or
# keeps the one there when `keep` is given and it is whole. Fails, touching
# nothing, when anything is still mounted below the root.
root_make() {
  local release=$1 keep=${2:-}
  local codename log
  codename=$(root_codename "$release") || return 1
  root_unmount_all  # left by an earlier run that was killed
  if [ -n "$(root_mounts)" ]; then
    echo "something is still mounted below $ROOT_TARGET; not touching it" >&2
    return 1
  fi
  if [ "$keep" = keep ] && [ -x "$ROOT_TARGET/usr/bin/apt-get" ] &&
    grep -q "VERSION_CODENAME=$codename" "$ROOT_TARGET/etc/os-release" 2>/dev/null; then
    echo "debootstrap: keeping the $codename root in $ROOT_TARGET"
    return 0
  fi
  rm -rf --one-file-system "$ROOT_TARGET"
  mkdir -p "$(dirname "$ROOT_TARGET")"
  log=$(mktemp)
  echo "debootstrap: a minimal $codename root in $ROOT_TARGET"
  local mirror
  mirror=$(root_mirror)
  if ! debootstrap --variant=minbase "$codename" "$ROOT_TARGET" ${mirror:+"$mirror"} >"$log" 2>&1; then
    tail -n 20 "$log" >&2
    rm -f "$log"
    return 1
  fi
  rm -f "$log"
}

# Mounts what programs in the root need: /proc, the host's /dev (with its
# pseudo-terminals and shared memory), /sys, and the name server.
root_mount() {
  mkdir -p "$ROOT_TARGET/proc" "$ROOT_TARGET/dev" "$ROOT_TARGET/sys"
  mount -t proc proc "$ROOT_TARGET/proc"
  mount --rbind /dev "$ROOT_TARGET/dev"
  mount --make-rslave "$ROOT_TARGET/dev"
  mount --rbind /sys "$ROOT_TARGET/sys"
  mount --make-rslave "$ROOT_TARGET/sys"
  cp /etc/resolv.conf "$ROOT_TARGET/etc/resolv.conf" 2>/dev/null || true
}

# Runs a command in the root as root, with a plain environment.
root_run() {
  chroot "$ROOT_TARGET" env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive ${CI:+CI="$CI"} "$@"
}
