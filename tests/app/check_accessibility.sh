#!/usr/bin/env bash
# The game read over a real AT-SPI bus, as Orca reads it: a private session
# bus and accessibility bus, the game under its own X server, and a reader
# (read_accessible_tree.py) that walks the tree, opens the dialogs and sets a
# picker. Needs xvfb, dbus, at-spi2-core and python3-pyatspi.
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 700 "$work"

session='
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
sleep 1
(cd "$work" && exec "$program") &
game=$!
status=0
/usr/bin/python3 "$here/read_accessible_tree.py" || status=$?
kill "$game" 2>/dev/null || true
wait "$game" 2>/dev/null || true
kill "$launcher" 2>/dev/null || true
exit $status
'
export program here work
# The English words, whatever the desktop speaks.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR=$work LANGUAGE=en
# The offscreen platform has no accessibility bridge: the game needs X.
unset QT_QPA_PLATFORM
xvfb-run -a -s '-screen 0 1280x1024x24' dbus-run-session -- bash -c "$session" 2> "$work/stderr.txt" \
  || { grep -v -e 'fd limit' -e XDG_RUNTIME_DIR "$work/stderr.txt" >&2 || true; exit 1; }
