#!/usr/bin/env bash
# `kolumo --puzzle CODE`: a code that cannot be read ends the game at once
# with status 2 and a reason on stderr, "PREFS.SAV" left as it was; a good
# code gives its board whatever the clock, so two games begun a second
# apart from one code save the same puzzle, and another code another.
set -euo pipefail
program=$1
runtime=$(mktemp -d)
errors=$(mktemp)
folders=()
trap 'rm -rf "$runtime" "$errors" "${folders[@]}"' EXIT
# The English words, whatever the desktop speaks.
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR=$runtime LANGUAGE=en

fail() { echo "FAIL: $*"; exit 1; }
new_folder() { folder=$(cd "$(mktemp -d)" && pwd -P); folders+=("$folder"); }

refused=(
  "A7D4-G000-C1SV|kolumo: cannot read the puzzle code \"A7D4-G000-C1SV\": a character of the code is mistyped"
  "A7D4-G000|kolumo: cannot read the puzzle code \"A7D4-G000\": a puzzle code has 12 letters and digits, this one 8"
  "|kolumo: --puzzle needs a puzzle code"
)
new_folder
printf 'not the game\000s own bytes' >"$folder/PREFS.SAV"
cp "$folder/PREFS.SAV" "$errors.before"
touch -d '2001-01-01' "$folder/PREFS.SAV"
for entry in "${refused[@]}"; do
  IFS='|' read -r code line <<<"$entry"
  arguments=(--puzzle)
  [ -n "$code" ] && arguments+=("$code")
  status=0
  (cd "$folder" && exec "$program" "${arguments[@]}") 2>"$errors" || status=$?
  [ "$status" = 2 ] || fail "$code: status $status, not 2"
  grep -qxF "$line" "$errors" || { cat "$errors"; fail "$code: stderr lacks: $line"; }
  cmp -s "$folder/PREFS.SAV" "$errors.before" || fail "$code: PREFS.SAV changed"
  [ "$(stat -c %Y "$folder/PREFS.SAV")" = "$(date -d 2001-01-01 +%s)" ] || fail "$code: PREFS.SAV written"
done
rm -f "$errors.before"

# Plays the code's puzzle in a fresh folder until SIGTERM, which saves it;
# the saved state's path is left in $folder.
play_code() {
  new_folder
  (cd "$folder" && exec "$program" --puzzle "$1") &
  local pid=$! game mask
  game=$(readlink -f "$program")
  for _ in $(seq 300); do
    if [ "$(readlink -f "/proc/$pid/exe" 2>/dev/null)" = "$game" ]; then
      mask=$(awk '$1 == "SigCgt:" { print $2 }' "/proc/$pid/status" 2>/dev/null || true)
      [ -n "$mask" ] && (( (16#$mask >> 14) & 1 )) && break
    fi
    sleep 0.1
  done
  kill -s TERM "$pid"
  wait "$pid" || fail "$1: the game ended with status $?"
  [ -s "$folder/PREFS.SAV" ] || fail "$1: no PREFS.SAV written"
}
play_code A7D4-G000-C1ST
first=$folder
sleep 1.1
play_code " a7d4 g000 c1st"
cmp -s "$first/PREFS.SAV" "$folder/PREFS.SAV" || fail "one code, two boards"
play_code AA1Q-Y3NR-BC7P
cmp -s "$first/PREFS.SAV" "$folder/PREFS.SAV" && fail "two codes, one board"
echo "puzzle option: all checks passed"
