#!/usr/bin/env bash
# Measures Kolumo as a whole process under Xvfb, next to a minimal Qt window
# started the same way: the median time from process start to the first
# painted frame, peak resident memory (VmHWM), CPU used and wake-ups a second
# (context switches of all its threads) over 5 seconds at rest, and the time
# from a close request to exit. The game runs twice: as a new player finds it
# (music on, with the project's songs) and at rest with music off.
#
#   bash bench/app/startup.sh [RUNS]        (default 7 runs of each program)
#
# Builds the release preset first. The game runs in a scratch directory whose
# "songs" points at the project's songs, so no PREFS.SAV is left behind.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
runs=${1:-7}
idle_seconds=5

cmake --preset release >/dev/null
cmake --build --preset release --target kolumo kolumo_first_frame_probe kolumo_floor_window \
  kolumo_quiet_prefs >/dev/null

build=$root/build/release
probe=$build/bench/app/kolumo_first_frame_probe
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
ln -s "$root/songs" "$scratch/songs"

# One screen for every run; the probe watches a point inside the window's
# menu bar, which is black until the window paints. (xvfb-run is a plain sh
# script, so the runs are spelled out for the bash it starts.)
runs_script='
measure() {
  label=$1
  prefs=$2
  shift 2
  for ((k = 1; k <= runs; k++)); do
    rm -f "$scratch/PREFS.SAV"
    [ -z "$prefs" ] || (cd "$scratch" && "$prefs")
    (cd "$scratch" && "$probe" 300 14 "$idle_seconds" "$@") | sed "s/^/$label /"
  done
}
measure floor "" "$build/bench/app/kolumo_floor_window"
measure game "" "$build/app/kolumo"
measure quiet "$build/bench/app/kolumo_quiet_prefs" "$build/app/kolumo"
'
export probe scratch runs idle_seconds build
results=$(xvfb-run -a -s '-screen 0 1280x1024x24' bash -c "$runs_script" 2>"$scratch/stderr.txt") \
  || { cat "$scratch/stderr.txt" >&2; exit 1; }

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
field() { grep "^$1 " <<<"$results" | tr ' ' '\n' | grep "^$2=" | cut -d= -f2 | median; }

printf '%-8s %16s %12s %14s %12s %18s\n' program "first frame ms" "VmHWM MB" "idle CPU %" \
  "wake-ups/s" "close to exit ms"
for label in floor game quiet; do
  printf '%-8s %16s %12.1f %14s %12s %18s\n' "$label" "$(field "$label" first_frame_ms)" \
    "$(awk -v kb="$(field "$label" vmhwm_kb)" 'BEGIN { print kb / 1024 }')" \
    "$(field "$label" idle_cpu_percent)" "$(field "$label" wakeups_per_s)" \
    "$(field "$label" close_to_exit_ms)"
done
echo '(quiet: the game with music off, at rest; targets: at most 1 wake-up/s,'
echo ' close to exit at most 2 x the floor window'"'"'s)'
floor=$(field floor first_frame_ms)
game=$(field game first_frame_ms)
printf 'start -> painted: game / floor = %.2f (target at most 1.3)\n' \
  "$(awk -v g="$game" -v f="$floor" 'BEGIN { print g / f }')"
printf 'close -> exit at rest: quiet / floor = %.2f (target at most 2)\n' \
  "$(awk -v g="$(field quiet close_to_exit_ms)" -v f="$(field floor close_to_exit_ms)" 'BEGIN { print g / f }')"
