#!/usr/bin/env bash
# A long fuzzing run of the saved state file reader under the sanitizers: new
# interesting inputs gather in a working corpus that survives between runs,
# and at the end the committed corpus is minimised from it.
# Usage: tools/fuzz-long.sh SECONDS [BUILD]   (BUILD defaults to build/fuzz,
# made by: cmake --preset fuzz && cmake --build --preset fuzz). SECONDS 0
# only minimises what the working corpus holds so far.
# FUZZ_RUNS=N stops after N executions if that comes first; FUZZ_FORK=N runs
# N fuzzing processes at once; FUZZ_WORK names the working folder (default
# BUILD/fuzz-long). Run it niced: it keeps its cores busy.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: tools/fuzz-long.sh SECONDS [BUILD]}
build_dir=${2:-build/fuzz}
fuzzer="$build_dir/fuzz/state_file_fuzzer"
work=${FUZZ_WORK:-$build_dir/fuzz-long}
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
    -dict=fuzz/state_file.dict -artifact_prefix="$work/crashes/" \
    -fork="$fork" -print_final_stats=1 "$work/corpus" fuzz/corpus >"$log" 2>&1 || status=$?
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
cp fuzz/corpus/*.sav "$merged"/
"$fuzzer" -merge=1 -max_len=8192 -timeout=10 "$merged" fuzz/corpus "$work/corpus" \
  >"$work/merge.log" 2>&1
find fuzz/corpus -maxdepth 1 -type f ! -name '*.sav' -delete
cp -n "$merged"/* fuzz/corpus/
echo "fuzz-long: fuzz/corpus now holds $(find fuzz/corpus -type f | wc -l) inputs"
