#!/usr/bin/env bash
# The game ended by SIGTERM (a logout) or SIGINT (Ctrl+C) still writes its
# saved state and its saved moves, as a close of the window does; and
# whatever stands at "PREFS.SAV", it starts without waiting, says what it
# could not read or save (of "GAME.SAV" and "HINTS.SAV" too), and ends with
# status 1 when nothing was saved.
set -euo pipefail
program=$1
# The game names files by their absolute path, links in it resolved.
work=$(cd "$(mktemp -d)" && pwd -P)
runtime=$(mktemp -d)
errors=$(mktemp)
trap 'rm -rf "$work" "$runtime" "$errors"' EXIT
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR=$runtime

fail() { echo "FAIL: $*"; exit 1; }

# Sends the signal and waits up to 30 seconds for the game to end: a game
# signalled early in its start-up finishes starting before it quits.
stop() {
  kill -s "$2" "$1"
  for _ in $(seq 300); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.1
  done
  kill -9 "$1"
  fail "SIG$2 did not end the game"
}

# Waits until the game catches SIGTERM and SIGINT (its handlers turn them
# into a quit that saves), up to 30 seconds for a loaded machine. Until the
# game has been exec'd and set them, either signal would simply kill it.
await_handlers() {
  local game mask
  game=$(readlink -f "$program")
  for _ in $(seq 300); do
    kill -0 "$1" 2>/dev/null || fail "the game ended before it caught the signals"
    if [ "$(readlink -f "/proc/$1/exe" 2>/dev/null)" = "$game" ]; then
      mask=$(awk '$1 == "SigCgt:" { print $2 }' "/proc/$1/status" 2>/dev/null || true)
      # Bit n - 1 stands for signal n: SIGTERM is 15, SIGINT 2.
      [ -n "$mask" ] && (( (16#$mask >> 14) & (16#$mask >> 1) & 1 )) && return 0
    fi
    sleep 0.1
  done
  fail "the game did not catch SIGTERM and SIGINT within 30 seconds"
}

# Runs the game in $work until SIGTERM; its status and stderr go to status
# and $errors.
run_game() {
  (cd "$work" && exec "$program") 2>"$errors" &
  local pid=$!
  await_handlers "$pid"
  stop "$pid" TERM
  status=0
  wait "$pid" || status=$?
}

for signal in TERM INT; do
  rm -f "$work/PREFS.SAV" "$work/GAME.SAV"
  (cd "$work" && exec "$program") &
  pid=$!
  await_handlers "$pid"
  stop "$pid" "$signal"
  wait "$pid" || true
  [ -s "$work/PREFS.SAV" ] || fail "SIG$signal: no PREFS.SAV written"
  # The format number DF 67 C2 02 opens a file the game wrote.
  [ "$(head -c 4 "$work/PREFS.SAV" | od -An -tx1 | tr -d ' \n')" = "df67c202" ] \
    || fail "SIG$signal: PREFS.SAV does not start with the format number"
  # So does 06 69 C2 02 a file of saved moves.
  [ "$(head -c 4 "$work/GAME.SAV" 2>/dev/null | od -An -tx1 | tr -d ' \n')" = "0669c202" ] \
    || fail "SIG$signal: no GAME.SAV written"
done
# What stands at PREFS.SAV: each case prepares the folder (run in it), and
# checks it after the game; the table gives the exit status and a line that
# stderr must hold.
prepare_fifo() { mkfifo PREFS.SAV; }
check_fifo() {
  [ -p PREFS.SAV ] && grep -qxF "kolumo: nothing saved: $work/PREFS.SAV could not be read at start, so it is left as it was" "$errors"
}
starts_with_format() { [ "$(head -c 4 "$1" | od -An -tx1 | tr -d ' \n')" = df67c202 ]; }
prepare_link() { mkdir dots && printf '\007\000\000\000' >dots/kolumo.sav && ln -s dots/kolumo.sav PREFS.SAV; }
check_link() {
  [ -L PREFS.SAV ] && starts_with_format dots/kolumo.sav && [ "$(ls)" = "$(printf 'GAME.SAV\nPREFS.SAV\ndots')" ]
}
prepare_lost_link() { ln -s gone/kolumo.sav PREFS.SAV; }
check_lost_link() { [ -L PREFS.SAV ] && [ "$(ls)" = PREFS.SAV ]; }
prepare_fifo_moves() { mkfifo GAME.SAV; }
check_fifo_moves() {
  [ -p GAME.SAV ] && starts_with_format PREFS.SAV \
    && grep -qxF "kolumo: cannot read $work/GAME.SAV: not a regular file; starting at the start of the puzzle" "$errors"
}
prepare_damaged_moves() { printf 'moves' >GAME.SAV; }
check_damaged_moves() { [ "$(head -c 4 GAME.SAV | od -An -tx1 | tr -d ' \n')" = 0669c202 ]; }
prepare_hints() { printf 'warn-dead-ends=maybe\n' >HINTS.SAV; }
check_hints() { [ "$(cat HINTS.SAV)" = warn-dead-ends=maybe ]; }
cases=(
  "fifo|1|kolumo: cannot read $work/PREFS.SAV: not a regular file; starting with the defaults"
  "link|0|kolumo: ignored $work/PREFS.SAV: unknown format number 7; starting with the defaults"
  "fifo_moves|1|kolumo: moves not saved: $work/GAME.SAV could not be read at start, so it is left as it was"
  "damaged_moves|0|kolumo: ignored the saved moves in $work/GAME.SAV: not a saved game; starting at the start of the puzzle"
  "lost_link|1|kolumo: could not save $work/PREFS.SAV (a link to $work/gone/kolumo.sav): No such file or directory"
  "hints|0|kolumo: ignored line 1 of $work/HINTS.SAV: it is not \"warn-dead-ends=on\" or \"warn-dead-ends=off\""
)
for entry in "${cases[@]}"; do
  IFS='|' read -r name expected line <<<"$entry"
  find "$work" -mindepth 1 -delete
  (cd "$work" && "prepare_$name")
  run_game
  [ "$status" = "$expected" ] || { cat "$errors"; fail "$name: status $status, not $expected"; }
  grep -qxF "$line" "$errors" || { cat "$errors"; fail "$name: stderr lacks: $line"; }
  (cd "$work" && "check_$name") || { ls -la "$work"; cat "$errors"; fail "$name: not as it should be after"; }
done
echo "termination: all checks passed"
