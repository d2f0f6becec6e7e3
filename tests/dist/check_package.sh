#!/usr/bin/env bash
# Builds the Debian package and checks its name, contents and dependencies.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

(cd "$out" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >/dev/null)
deb=$(ls "$out"/kolumo_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no kolumo_*.deb"

info=$(dpkg-deb -f "$deb")
depends=$(dpkg-deb -f "$deb" Depends)
echo "$depends" | grep -q 'libqt6widgets6' || fail "Qt not in Depends: $depends"
echo "$depends" | grep -q 'libsdl2-mixer' || fail "SDL2_mixer not in Depends: $depends"
echo "$depends" | grep -q 'qt6-qpa-plugins' || fail "platform plugins not in Depends"
dpkg-deb -f "$deb" Recommends | grep -q soundfont || fail "no soundfont recommended"
echo "$info" | grep -q '^Section: games' || fail "not in games"

contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/kolumo ./usr/bin/kolumo-launcher \
         ./usr/share/applications/net.kolumo.Kolumo.desktop \
         ./usr/share/metainfo/net.kolumo.Kolumo.metainfo.xml \
         ./usr/share/man/man6/kolumo.6; do
  echo "$contents" | grep -q " $f\$" || fail "package lacks $f"
done
echo "package: all checks passed ($(basename "$deb"))"
