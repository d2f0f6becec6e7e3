#!/usr/bin/env bash
# The menu launcher runs the game in $XDG_DATA_HOME/kolumo, made on first
# start, with "songs" linked to the installed tunes unless the player has
# their own there.
set -euo pipefail
launcher=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

# A stand-in for the game that reports where it was started.
mkdir -p "$work/bin" "$work/share/kolumo/songs"
cp "$launcher" "$work/bin/kolumo-launcher"
cat > "$work/bin/kolumo" <<'STUB'
#!/bin/sh
pwd > "$KOLUMO_TEST_OUT"
STUB
chmod +x "$work/bin/kolumo" "$work/bin/kolumo-launcher"
export KOLUMO_TEST_OUT=$work/out

# First start: the folder is made and songs points at the installed ones.
XDG_DATA_HOME=$work/data "$work/bin/kolumo-launcher"
[ "$(cat "$work/out")" = "$work/data/kolumo" ] || fail "not started in the data folder"
[ -L "$work/data/kolumo/songs" ] || fail "songs is not a link"
[ "$(readlink -f "$work/data/kolumo/songs")" = "$work/share/kolumo/songs" ] || fail "songs points elsewhere"

# No XDG_DATA_HOME: ~/.local/share.
HOME=$work/home XDG_DATA_HOME= "$work/bin/kolumo-launcher"
[ "$(cat "$work/out")" = "$work/home/.local/share/kolumo" ] || fail "XDG default not used"

# The player's own songs folder is left alone.
rm "$work/data/kolumo/songs"
mkdir "$work/data/kolumo/songs"
touch "$work/data/kolumo/songs/mine.mid"
XDG_DATA_HOME=$work/data "$work/bin/kolumo-launcher"
[ ! -L "$work/data/kolumo/songs" ] && [ -f "$work/data/kolumo/songs/mine.mid" ] || fail "player's songs replaced"

# A stale link of ours (the game moved) is made again.
rm -rf "$work/data/kolumo/songs"
ln -s "$work/nowhere" "$work/data/kolumo/songs"
XDG_DATA_HOME=$work/data "$work/bin/kolumo-launcher"
[ "$(readlink -f "$work/data/kolumo/songs")" = "$work/share/kolumo/songs" ] || fail "stale link kept"

# Started by hand, the game itself runs wherever it is started.
(cd "$work" && "$work/bin/kolumo")
[ "$(cat "$work/out")" = "$work" ] || fail "program changed folder"

echo "launcher: all checks passed"
