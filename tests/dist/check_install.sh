#!/usr/bin/env bash
# Installs into a scratch prefix and checks that everything lands where a
# Linux desktop looks for it, and that the menu entry starts the installed game.
set -euo pipefail
build=$1
translated_man=$2  # dist/man: one folder of translated man pages per language
prefix=$(mktemp -d)
export KOLUMO_TEST_HOME=$(mktemp -d)
game=
cleanup() {
  if [ -n "$game" ] && kill -0 "$game" 2>/dev/null; then kill -9 "$game"; fi
  rm -rf "$prefix" "$KOLUMO_TEST_HOME"
}
trap cleanup EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
need() { [ -e "$prefix/$1" ] || fail "missing $1"; }

for f in games/kolumo games/kolumo-launcher \
         share/applications/net.kolumo.Kolumo.desktop \
         share/metainfo/net.kolumo.Kolumo.metainfo.xml \
         share/man/man6/kolumo.6.gz share/man/man6/kolumo-launcher.6.gz \
         share/doc/kolumo/README.md share/doc/kolumo/changelog.gz \
         share/doc/kolumo/copyright \
         share/icons/hicolor/48x48/apps/kolumo.png \
         share/icons/hicolor/scalable/apps/kolumo.svg; do
  need "$f"
done
[ -x "$prefix/games/kolumo" ] || fail "kolumo not executable"
[ -x "$prefix/games/kolumo-launcher" ] || fail "launcher not executable"
[ ! -e "$prefix/bin" ] || fail "programs also installed in bin/"
ls "$prefix"/share/kolumo/songs/*.mid >/dev/null 2>&1 || fail "no songs installed"

# The man pages and the changelog are gzip streams that read back as text.
for f in man/man6/kolumo.6.gz man/man6/kolumo-launcher.6.gz doc/kolumo/changelog.gz; do
  gzip -t "$prefix/share/$f" || fail "$f is not gzip"
done
zcat "$prefix/share/man/man6/kolumo-launcher.6.gz" | grep -q '^\.TH KOLUMO-LAUNCHER 6' \
  || fail "kolumo-launcher.6.gz is not its man page"

# Every translated man page lands, compressed, where man looks for its language.
translations=0
for source in "$translated_man"/*/*.6.in; do
  [ -e "$source" ] || continue
  language=$(basename "$(dirname "$source")")
  page=$(basename "$source" .in)
  installed=$prefix/share/man/$language/man6/$page.gz
  gzip -t "$installed" 2>/dev/null || fail "man/$language/man6/$page.gz missing or not gzip"
  title=${page%.6}
  # The title line, after any line naming the page's coding.
  zcat "$installed" | grep '^\.TH ' | grep -q "^\.TH ${title^^} 6 " \
    || fail "$language $page.gz is not its man page"
  translations=$((translations + 1))
done
[ "$translations" -gt 0 ] || fail "no translated man page in $translated_man"

# The installed menu entry is valid and names the installed launcher.
entry=$prefix/share/applications/net.kolumo.Kolumo.desktop
desktop-file-validate "$entry" || fail "installed desktop entry does not validate"
exec_line=$(grep '^Exec=' "$entry")
[ "$exec_line" = "Exec=$prefix/games/kolumo-launcher" ] || fail "menu runs $exec_line"

# The installed launcher finds the installed songs and program.
XDG_DATA_HOME=$KOLUMO_TEST_HOME KOLUMO_PROGRAM=/bin/true "$prefix/games/kolumo-launcher"
[ "$(readlink -f "$KOLUMO_TEST_HOME/kolumo/songs")" = "$(readlink -f "$prefix/share/kolumo/songs")" ] \
  || fail "launcher does not link the installed songs"

# Started as the menu starts it, the launcher becomes the installed game.
(export XDG_DATA_HOME=$KOLUMO_TEST_HOME QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
 export XDG_RUNTIME_DIR=$KOLUMO_TEST_HOME
 exec "${exec_line#Exec=}") &
game=$!
started=
for _ in $(seq 100); do
  if [ "$(readlink "/proc/$game/exe" 2>/dev/null)" = "$(readlink -f "$prefix/games/kolumo")" ]; then
    started=yes
    break
  fi
  sleep 0.1
done
kill -s TERM "$game" 2>/dev/null || true
wait "$game" || true
[ -n "$started" ] || fail "the menu entry did not start $prefix/games/kolumo"

echo "install: all checks passed"
