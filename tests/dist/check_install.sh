#!/usr/bin/env bash
# Installs into a scratch prefix and checks that everything lands where a
# Linux desktop looks for it.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
need() { [ -e "$prefix/$1" ] || fail "missing $1"; }

need bin/kolumo
need bin/kolumo-launcher
[ -x "$prefix/bin/kolumo" ] || fail "kolumo not executable"
[ -x "$prefix/bin/kolumo-launcher" ] || fail "launcher not executable"
need share/applications/net.kolumo.Kolumo.desktop
need share/metainfo/net.kolumo.Kolumo.metainfo.xml
need share/man/man6/kolumo.6
need share/doc/kolumo/README.md
ls "$prefix"/share/kolumo/songs/*.mid >/dev/null 2>&1 || fail "no songs installed"
if [ -d "$prefix/share/icons/hicolor" ]; then
  need share/icons/hicolor/48x48/apps/kolumo.png
  need share/icons/hicolor/scalable/apps/kolumo.svg
fi

# The installed launcher finds the installed songs and program.
export KOLUMO_TEST_HOME=$(mktemp -d)
XDG_DATA_HOME=$KOLUMO_TEST_HOME KOLUMO_PROGRAM=/bin/true "$prefix/bin/kolumo-launcher"
[ "$(readlink -f "$KOLUMO_TEST_HOME/kolumo/songs")" = "$(readlink -f "$prefix/share/kolumo/songs")" ] \
  || fail "launcher does not link the installed songs"
rm -rf "$KOLUMO_TEST_HOME"

echo "install: all checks passed"
