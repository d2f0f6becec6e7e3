#!/usr/bin/env bash
# A few seconds of fuzzing of the saved state file reader, starting from the
# committed corpus; any crash fails the run. Usage: tools/fuzz-smoke.sh <build-dir>
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:?usage: tools/fuzz-smoke.sh <build-dir>}
fuzzer="$build_dir/fuzz/state_file_fuzzer"
seconds=${FUZZ_SECONDS:-5}

if [ ! -x "$fuzzer" ]; then
  echo "fuzz-smoke: $fuzzer is missing; build the fuzz preset first" >&2
  exit 1
fi

# A small quarantine and short allocation stacks double the speed of this
# allocation-heavy reader under AddressSanitizer; the caller's options win.
export ASAN_OPTIONS="quarantine_size_mb=8:malloc_context_size=4${ASAN_OPTIONS:+:$ASAN_OPTIONS}"

# New inputs go to a scratch folder so the committed corpus stays as it is;
# a crash leaves its input there too.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/new" "$scratch/crashes"

if ! "$fuzzer" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
    -dict=fuzz/state_file.dict -artifact_prefix="$scratch/crashes/" \
    -print_final_stats=1 "$scratch/new" fuzz/corpus >"$scratch/log" 2>&1; then
  cat "$scratch/log" >&2
  for input in "$scratch"/crashes/*; do
    [ -e "$input" ] || continue
    echo "fuzz-smoke: failing input $(basename "$input"):" >&2
    od -A d -t x1 "$input" | head -40 >&2
  done
  exit 1
fi
grep -E '^stat::number_of_executed_units' "$scratch/log" || true
echo "fuzz-smoke: no crash in ${seconds}s"
