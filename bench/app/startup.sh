#!/usr/bin/env bash
# Measures Kolumo as a whole process under Xvfb, next to a minimal Qt window
# started the same way: the median time from process start to the first
# painted frame, peak resident memory (VmHWM), CPU used and wake-ups a second
# (context switches of all its threads) over 5 seconds at rest, and the time
# from a close request to exit. Beside the bare window, the same window
# drawing one line of text shows what text alone costs a start on the machine.
# The game runs as a new player finds it (music
# on, with the project's songs), the same in each language it ships
# (LANGUAGE=de LANG=de_DE.UTF-8 and so on: its catalogue and Qt's), and at
# rest with music off. Each run starts them all one after the other, so a
# machine that gets busier part way through weighs on all of them alike.
#
#   bash bench/app/startup.sh [RUNS]        (default 7 runs of each program)
#   KOLUMO_LANGUAGES="de ja" bash bench/app/startup.sh    (only these languages)
#   KOLUMO_BUSY=2 bash bench/app/startup.sh    (on a machine kept busy)
#
# Builds the release preset first (KOLUMO_GAME=path measures another build of
# the game instead, an older one for instance). The game runs in a scratch
# directory whose "songs" points at the project's songs, so no PREFS.SAV is
# left behind. Prints the machine's load before and after. KOLUMO_BUSY=N keeps
# N loops spinning beside the programs, at their priority, for the whole
# measurement: a player's machine that compiles or plays a video meanwhile,
# where a thread the start waits for gets only its share of the cores.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
runs=${1:-7}
idle_seconds=5
languages=${KOLUMO_LANGUAGES:-"de fr es it pt_BR nl pl ru ja zh_CN"}
busy=${KOLUMO_BUSY:-0}

cmake --preset release >/dev/null
cmake --build --preset release --target kolumo kolumo_first_frame_probe kolumo_floor_window \
  kolumo_text_floor_window kolumo_quiet_prefs >/dev/null

build=$root/build/release
game=${KOLUMO_GAME:-$build/app/kolumo}
probe=$build/bench/app/kolumo_first_frame_probe
scratch=$(mktemp -d)
spinners=()
trap 'kill "${spinners[@]}" 2>/dev/null || true; rm -rf "$scratch"' EXIT
ln -s "$root/songs" "$scratch/songs"

# One screen for every run; the probe watches a point inside the window's
# menu bar, which is black until the window paints. (xvfb-run is a plain sh
# script, so the runs are spelled out for the bash it starts.)
runs_script='
# Each language with the locale a speaker of it would have.
locale_of() {
  case $1 in
    pt_BR | zh_CN) echo "$1" ;;
    ja) echo ja_JP ;;
    *) echo "${1}_${1^^}" ;;
  esac
}
measure() {
  label=$1
  prefs=$2
  language=$3
  locale=$4
  shift 4
  rm -f "$scratch/PREFS.SAV" "$scratch/GAME.SAV" "$scratch/HINTS.SAV" "$scratch/GAMES.LOG"
  [ -z "$prefs" ] || (cd "$scratch" && "$prefs")
  if [ -n "$language" ]; then
    (cd "$scratch" && LANGUAGE=$language LANG=$locale.UTF-8 "$probe" 300 14 "$idle_seconds" "$@")
  else
    (cd "$scratch" && "$probe" 300 14 "$idle_seconds" "$@")
  fi | sed "s/^/$label /"
}
for ((k = 1; k <= runs; k++)); do
  measure floor "" "" "" "$build/bench/app/kolumo_floor_window"
  measure text "" "" "" "$build/bench/app/kolumo_text_floor_window"
  measure game "" "" "" "$game"
  for language in $languages; do
    measure "game-$language" "" "$language" "$(locale_of "$language")" "$game"
  done
  measure quiet "$build/bench/app/kolumo_quiet_prefs" "" "" "$game"
done
'
export probe scratch runs idle_seconds build game languages
echo "load before: $(cut -d" " -f1-3 /proc/loadavg)"
for ((k = 0; k < busy; k++)); do
  (while :; do :; done) &
  spinners+=($!)
done
[ "$busy" = 0 ] || echo "busy: $busy loops spinning beside the programs"
results=$(xvfb-run -a -s '-screen 0 1280x1024x24' bash -c "$runs_script" 2>"$scratch/stderr.txt") \
  || { cat "$scratch/stderr.txt" >&2; exit 1; }

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
field() { grep "^$1 " <<<"$results" | tr ' ' '\n' | grep "^$2=" | cut -d= -f2 | median; }
# A busy machine only ever adds time: the fastest run is the steadiest figure
# when other work shares the cores.
fastest() { grep "^$1 " <<<"$results" | tr ' ' '\n' | grep "^$2=" | cut -d= -f2 | sort -n | head -1; }

printf '%-11s %16s %9s %12s %14s %12s %18s\n' program "first frame ms" fastest "VmHWM MB" \
  "idle CPU %" "wake-ups/s" "close to exit ms"
labels="floor text game"
for language in $languages; do labels="$labels game-$language"; done
for label in $labels quiet; do
  printf '%-11s %16s %9s %12.1f %14s %12s %18s\n' "$label" "$(field "$label" first_frame_ms)" \
    "$(fastest "$label" first_frame_ms)" \
    "$(awk -v kb="$(field "$label" vmhwm_kb)" 'BEGIN { print kb / 1024 }')" \
    "$(field "$label" idle_cpu_percent)" "$(field "$label" wakeups_per_s)" \
    "$(field "$label" close_to_exit_ms)"
done
echo '(quiet: the game with music off, at rest; targets: at most 1 wake-up/s,'
echo ' close to exit at most 2 x the floor window'"'"'s)'
echo "load after: $(cut -d" " -f1-3 /proc/loadavg)"
floor=$(field floor first_frame_ms)
floor_fastest=$(fastest floor first_frame_ms)
for label in ${labels#floor }; do
  target='(target at most 1.1)'
  [ "$label" != text ] || target='(no target: the bare window drawing a word)'
  printf 'start -> painted: %s / floor = %.2f, fastest runs %.2f %s\n' "$label" \
    "$(awk -v g="$(field "$label" first_frame_ms)" -v f="$floor" 'BEGIN { print g / f }')" \
    "$(awk -v g="$(fastest "$label" first_frame_ms)" -v f="$floor_fastest" 'BEGIN { print g / f }')" "$target"
done
printf 'close -> exit at rest: quiet / floor = %.2f (target at most 2)\n' \
  "$(awk -v g="$(field quiet close_to_exit_ms)" -v f="$(field floor close_to_exit_ms)" 'BEGIN { print g / f }')"
