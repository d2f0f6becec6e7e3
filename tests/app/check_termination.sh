#!/usr/bin/env bash
# The game ended by SIGTERM (a logout) or SIGINT (Ctrl+C) still writes its
# saved state, as a close of the window does.
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR=$work

fail() { echo "FAIL: $*"; exit 1; }

for signal in TERM INT; do
  rm -f "$work/PREFS.SAV"
  (cd "$work" && exec "$program") &
  pid=$!
  sleep 3
  kill -s "$signal" "$pid"
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    kill -9 "$pid"
    fail "SIG$signal did not end the game"
  fi
  wait "$pid" || true
  [ -s "$work/PREFS.SAV" ] || fail "SIG$signal: no PREFS.SAV written"
  # The format number DF 67 C2 02 opens a file the game wrote.
  [ "$(head -c 4 "$work/PREFS.SAV" | od -An -tx1 | tr -d ' \n')" = "df67c202" ] \
    || fail "SIG$signal: PREFS.SAV does not start with the format number"
done
echo "termination: all checks passed"
