#!/usr/bin/env bash
# A long fuzzing run of one saved file reader under the sanitizers (the saved
# state file's unless FUZZ_READER names another: game_file, game_journal):
# new interesting inputs gather in a working corpus that survives between
# runs, and at the end the committed corpus is minimised from it.
# Usage: tools/fuzz-long.sh SECONDS [BUILD]   (BUILD defaults to build/fuzz,
# made by: cmake --preset fuzz && cmake --build --preset fuzz). SECONDS 0
# only minimises what the working corpus holds so far.
# FUZZ_RUNS=N stops after N executions if that comes first; FUZZ_FORK=N runs
# N fuzzing processes at once; FUZZ_WORK names the working folder (default
# BUILD/fuzz-long, or BUILD/fuzz-long-READER for another reader). Run it
# niced: it keeps its cores busy.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: tools/fuzz-long.sh SECONDS [BUILD]}
build_dir=${2:-build/fuzz}
reader=${FUZZ_READER:-state_file}
# Each reader's committed corpus, and the ending of its named seeds, which the
# minimising keeps as they are.
case "$reader" in
  state_file) corpus=fuzz/corpus; seeds='*.sav'; work_default=$build_dir/fuzz-long ;;
  game_file) corpus=fuzz/game_corpus; seeds='*.sav'; work_default=$build_dir/fuzz-long-$reader ;;
  game_journal) corpus=fuzz/journal_corpus; seeds='*.log'; work_default=$build_dir/fuzz-long-$reader ;;
  *) echo "fuzz-long: no reader called $reader" >&2; exit 2 ;;
esac
fuzzer="$build_dir/fuzz/${reader}_fuzzer"
work=${FUZZ_WORK:-$work_default}
runs=${FUZZ_RUNS:--1}
fork=${FUZZ_FORK:-0}

if [ ! -x "$fuzzer" ]; then
  echo "fuzz-long: $fuzzer is missing; build the fuzz preset first" >&2
  exit 1
fi

# The same speed-ups as the short run: a small quarantine and short
# allocation stacks; the caller's options win.
export ASAN_OPTIONS="quarantine_size_mb=8:malloc_context_size=4${ASAN_OPTIONS:+:$ASAN_OPTIONS}"

mkdir -p "$work/corpus" "$work/crashes"
log="$work/fuzz.log"
echo "fuzz-long: ${seconds}s, log in $log, working corpus in $work/corpus"

status=0
if [ "$seconds" -gt 0 ]; then
  "$fuzzer" -max_total_time="$seconds" -runs="$runs" -max_len=8192 -timeout=10 \
    -dict="fuzz/$reader.dict" -artifact_prefix="$work/crashes/" \
    -fork="$fork" -print_final_stats=1 "$work/corpus" "$corpus" >"$log" 2>&1 || status=$?
fi

grep -E '^#[0-9]+' "$log" 2>/dev/null | tail -1 || true
grep -E '^stat::' "$log" 2>/dev/null || true
if [ "$status" -ne 0 ]; then
  echo "fuzz-long: the fuzzer failed (status $status); see $log" >&2
  for input in "$work"/crashes/*; do
    [ -e "$input" ] || continue
    echo "fuzz-long: failing input $input:" >&2
    od -A d -t x1 "$input" | head -40 >&2
  done
  exit 1
fi

# Minimise: the named seeds are kept as they are, then whatever of the old
# committed corpus and the working corpus adds coverage joins them.
merged=$(mktemp -d)
trap 'rm -rf "$merged"' EXIT
cp "$corpus"/$seeds "$merged"/
"$fuzzer" -merge=1 -max_len=8192 -timeout=10 "$merged" "$corpus" "$work/corpus" \
  >"$work/merge.log" 2>&1
find "$corpus" -maxdepth 1 -type f ! -name "$seeds" -delete
cp -n "$merged"/* "$corpus"/
echo "fuzz-long: $corpus now holds $(find "$corpus" -type f | wc -l) inputs"
