#!/usr/bin/env bash
# Builds the Debian package (build/orrinvale_<version>_amd64.deb), checks that
# it holds the program folder, the link, the desktop entry and the icons, and
# runs lintian on it when lintian is installed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/tools/install-deps.sh" package
"$root/tools/configure.sh" release
cmake --build --preset release --parallel "$(nproc)"
(cd build && cpack -G DEB >/dev/null)
deb=$(ls -t build/orrinvale_*.deb | head -n 1)
echo "built $deb"

contents=$(dpkg-deb -c "$deb")
missing=0
# The paths the build says the package holds (written by cmake/Install.cmake).
while IFS= read -r path; do
  if ! grep -qF -- "$path" <<<"$contents"; then
    echo "the package lacks $path"
    missing=1
  fi
done <build/package-contents.txt
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libpulse0 libqt6svg6 libavcodec libavformat libswresample fonts-liberation; do
  grep -q "$package" <<<"$depends" || { echo "the package does not depend on $package"; missing=1; }
done
recommends=$(dpkg-deb -f "$deb" Recommends)
for package in qt6-wayland xdg-utils; do
  grep -q "$package" <<<"$recommends" || { echo "the package does not recommend $package"; missing=1; }
done
[ "$missing" -eq 0 ] && echo "package contents and relations: ok"
echo "Depends: $depends"
echo "Recommends: $recommends"

# The desktop entry and the software-centre entry, as the package holds them.
unpacked=$(mktemp -d)
trap 'rm -rf --one-file-system "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
for entry in "$unpacked"/usr/share/applications/*.desktop; do
  if desktop-file-validate "$entry"; then echo "desktop-file-validate $(basename "$entry"): ok"
  else echo "desktop-file-validate FAILED"; missing=1; fi
done
for entry in "$unpacked"/usr/share/metainfo/*.metainfo.xml; do
  # Warnings fail too; infos (such as a domain it does not know) do not.
  if report=$(appstreamcli validate --no-net --no-color "$entry" 2>&1) && ! grep -q '^W:' <<<"$report"; then
    echo "appstreamcli validate $(basename "$entry"): ok"
  else
    echo "appstreamcli validate FAILED"; missing=1
  fi
  sed 's/^/  | /' <<<"$report"
done

if command -v lintian >/dev/null 2>&1; then
  lintian --fail-on error,warning "$deb" 2>&1 | grep -v "not recommended" || true
  lintian --fail-on error,warning "$deb" >/dev/null 2>&1 && echo "lintian: no errors or warnings" || { echo "lintian FAILED"; missing=1; }
else
  echo "lintian is not installed; skipped"
fi
exit "$missing"
