#!/usr/bin/env bash
# Builds the Debian package and checks its name, contents (the translated man
# pages and the catalogues built into the program among them), dependencies and
# version, then lets lintian --pedantic judge it: no error and no warning.
set -euo pipefail
build=$1
version=$2
translated_man=$3  # dist/man: one folder of translated man pages per language
catalogues=$4      # translations: kolumo_<lang>.ts, built into the program
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

(cd "$out" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >/dev/null)
deb=$(ls "$out"/kolumo_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no kolumo_*.deb"

field() { dpkg-deb -f "$deb" "$1"; }
depends=$(field Depends)
echo "$depends" | grep -q 'libqt6widgets6' || fail "Qt not in Depends: $depends"
echo "$depends" | grep -q 'libsdl2-mixer' || fail "SDL2_mixer not in Depends: $depends"
echo "$depends" | grep -q 'qt6-qpa-plugins' || fail "platform plugins not in Depends"
field Recommends | grep -q soundfont || fail "no soundfont recommended"
field Recommends | grep -qw 'qt6-wayland' || fail "Qt's Wayland plugin not recommended"
field Recommends | grep -qw 'qt6-translations-l10n' || fail "Qt's catalogues not recommended"
field Recommends | grep -qw 'fonts-noto-cjk' || fail "no CJK font recommended"
[ "$(field Section)" = games ] || fail "not in games"
# A description line indented twice is shown as preformatted text.
! field Description | grep -q '^  ' || fail "description shown as preformatted text"

contents=$(dpkg-deb -c "$deb")
for f in ./usr/games/kolumo ./usr/games/kolumo-launcher \
         ./usr/share/applications/net.kolumo.Kolumo.desktop \
         ./usr/share/metainfo/net.kolumo.Kolumo.metainfo.xml \
         ./usr/share/man/man6/kolumo.6.gz ./usr/share/man/man6/kolumo-launcher.6.gz \
         ./usr/share/doc/kolumo/copyright ./usr/share/doc/kolumo/changelog.gz; do
  echo "$contents" | grep -q " $f\$" || fail "package lacks $f"
done

# One version everywhere: the package, the man pages, the metainfo's release
# and the changelog's newest entry all carry the project's.
tree=$out/tree
dpkg-deb -x "$deb" "$tree"
[ "$(field Version)" = "$version" ] || fail "package version $(field Version), not $version"
for page in kolumo kolumo-launcher; do
  zcat "$tree/usr/share/man/man6/$page.6.gz" | head -n 1 | grep -qF "\"Kolumo $version\"" \
    || fail "$page.6 does not name version $version"
done
translations=0
for source in "$translated_man"/*/*.6.in; do
  [ -e "$source" ] || continue
  page=$(basename "$(dirname "$source")")/man6/$(basename "$source" .in).gz
  [ -f "$tree/usr/share/man/$page" ] || fail "package lacks /usr/share/man/$page"
  zcat "$tree/usr/share/man/$page" | grep '^\.TH ' | grep -qF "\"Kolumo $version\"" \
    || fail "$page does not name version $version"
  translations=$((translations + 1))
done
[ "$translations" -gt 0 ] || fail "no translated man page in $translated_man"
# The catalogues are built into the program: its resource table names each
# one (in UTF-16, as Qt's resource compiler writes names).
held=$(strings -e b "$tree/usr/games/kolumo" | grep -x 'kolumo_.*\.qm' || true)
languages=0
for source in "$catalogues"/kolumo_*.ts; do
  [ -e "$source" ] || continue
  echo "$held" | grep -qxF "$(basename "$source" .ts).qm" || fail "the program lacks $(basename "$source" .ts).qm"
  languages=$((languages + 1))
done
[ "$languages" -gt 0 ] || fail "no catalogue in $catalogues"
grep -qF "<release version=\"$version\"" "$tree/usr/share/metainfo/net.kolumo.Kolumo.metainfo.xml" \
  || fail "metainfo's release is not $version"
zcat "$tree/usr/share/doc/kolumo/changelog.gz" | head -n 1 | grep -qF "kolumo ($version)" \
  || fail "changelog's newest entry is not $version"
grep -qx 'Exec=/usr/games/kolumo-launcher' "$tree/usr/share/applications/net.kolumo.Kolumo.desktop" \
  || fail "menu entry does not run /usr/games/kolumo-launcher"

# Errors and warnings fail; information (I:, P:, N:) does not.
if ! report=$(lintian --pedantic --fail-on error,warning "$deb" 2>&1); then
  fail "lintian: $report"
fi
findings=$(echo "$report" | grep -E '^[EW]: ' || true)
[ -z "$findings" ] || fail "lintian: $findings"

echo "package: all checks passed ($(basename "$deb"))"
