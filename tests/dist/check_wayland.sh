#!/usr/bin/env bash
# The game as a native Wayland client, under weston's headless compositor, as
# a Wayland desktop starts it (no X display, Qt choosing its platform): it
# opens its window at the saved size, and a SIGTERM writes a valid
# "PREFS.SAV" with that size. A Wayland client cannot place its window, so
# the saved position is only carried over, never applied.
set -euo pipefail
program=$1
work=$(mktemp -d)
compositor=
game=
cleanup() {
  for pid in $game $compositor; do
    if kill -0 "$pid" 2>/dev/null; then kill -9 "$pid"; wait "$pid" 2>/dev/null || true; fi
  done
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  [ ! -f "$work/game.log" ] || grep -v '^\[' "$work/game.log" | tail -n 20 || true
  exit 1
}

mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR=$work/run WAYLAND_DISPLAY=kolumo-test
export XDG_SESSION_TYPE=wayland SDL_AUDIODRIVER=dummy
unset DISPLAY QT_QPA_PLATFORM

weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
  --width=1280 --height=800 >"$work/weston.log" 2>&1 &
compositor=$!
for _ in $(seq 100); do
  [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break
  sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || { cat "$work/weston.log"; fail "weston did not start"; }

# The window rectangle of "PREFS.SAV": four little-endian int32 after the
# format number, left, top, right, bottom.
rect_of() { od -An -td4 -j4 -N16 -w16 "$1" | xargs; }
le32() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $((($1 >> 8) & 255)))\\x$(printf %02x $((($1 >> 16) & 255)))\\x$(printf %02x $((($1 >> 24) & 255)))"; }

# Starts the game in $work with the Wayland protocol traced to game.log, and
# waits until its window has a buffer attached, that is, it is on screen.
start_game() {
  (cd "$work" && WAYLAND_DEBUG=1 exec "$program") 2>"$work/game.log" &
  game=$!
  for _ in $(seq 300); do
    grep -q 'wl_surface@[0-9]*\.attach(wl_buffer@' "$work/game.log" 2>/dev/null && return 0
    kill -0 "$game" 2>/dev/null || fail "the game ended at start"
    sleep 0.1
  done
  fail "no window shown within 30 s"
}
stop_game() {
  kill -s TERM "$game"
  # Generous: on a loaded machine the close can take seconds; it is not timed.
  for _ in $(seq 300); do
    kill -0 "$game" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$game" 2>/dev/null && fail "SIGTERM did not end the game"
  wait "$game" || true
  game=
  [ "$(head -c 4 "$work/PREFS.SAV" | od -An -tx1 | tr -d ' \n')" = "df67c202" ] \
    || fail "PREFS.SAV does not start with the format number"
}

# A first run writes a file; its window is then given a known rectangle.
start_game
grep -q 'xdg_wm_base' "$work/game.log" || fail "not a Wayland client: no xdg_wm_base"
stop_game
left=30 top=40 width=640 height=400
{ le32 $left; le32 $top; le32 $((left + width)); le32 $((top + height)); } \
  | dd of="$work/PREFS.SAV" bs=1 seek=4 conv=notrunc status=none
[ "$(rect_of "$work/PREFS.SAV")" = "$left $top $((left + width)) $((top + height))" ] \
  || fail "the test could not write its rectangle"

start_game
# The compositor is told the window's size: its window geometry, frame included.
geometry=$(grep -o 'xdg_surface@[0-9]*\.set_window_geometry([^)]*)' "$work/game.log" | tail -n 1)
echo "window geometry: $geometry"
[[ "$geometry" == *", $width, $height)" ]] || fail "window shown as $geometry, saved $width x $height"
stop_game
read -r l t r b <<<"$(rect_of "$work/PREFS.SAV")"
echo "saved rectangle: $l $t $r $b"
[ $((r - l)) = $width ] && [ $((b - t)) = $height ] \
  || fail "saved size $((r - l)) x $((b - t)), started at $width x $height"
# The compositor places the window; the place it was started at is kept.
[ "$l $t" = "$left $top" ] || fail "saved position $l,$t, started at $left,$top"
echo "wayland: all checks passed"
