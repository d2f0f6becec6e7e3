#!/usr/bin/env bash
# A few seconds of fuzzing of each saved file reader ("PREFS.SAV", "GAME.SAV",
# "GAMES.LOG"), starting from the committed corpora; any crash fails the run.
# Usage: tools/fuzz-smoke.sh <build-dir>
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:?usage: tools/fuzz-smoke.sh <build-dir>}
seconds=${FUZZ_SECONDS:-5}

# A small quarantine and short allocation stacks double the speed of these
# allocation-heavy readers under AddressSanitizer; the caller's options win.
export ASAN_OPTIONS="quarantine_size_mb=8:malloc_context_size=4${ASAN_OPTIONS:+:$ASAN_OPTIONS}"

# New inputs go to a scratch folder so the committed corpora stay as they are;
# a crash leaves its input there too.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Each reader: its fuzzer, its dictionary and its corpus.
for entry in state_file:corpus game_file:game_corpus game_journal:journal_corpus; do
  name=${entry%%:*}
  corpus=fuzz/${entry#*:}
  fuzzer="$build_dir/fuzz/${name}_fuzzer"
  if [ ! -x "$fuzzer" ]; then
    echo "fuzz-smoke: $fuzzer is missing; build the fuzz preset first" >&2
    exit 1
  fi
  mkdir -p "$scratch/$name/new" "$scratch/$name/crashes"
  if ! "$fuzzer" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
      -dict="fuzz/$name.dict" -artifact_prefix="$scratch/$name/crashes/" \
      -print_final_stats=1 "$scratch/$name/new" "$corpus" >"$scratch/$name/log" 2>&1; then
    cat "$scratch/$name/log" >&2
    for input in "$scratch/$name"/crashes/*; do
      [ -e "$input" ] || continue
      echo "fuzz-smoke: $name: failing input $(basename "$input"):" >&2
      od -A d -t x1 "$input" | head -40 >&2
    done
    exit 1
  fi
  grep -E '^stat::number_of_executed_units' "$scratch/$name/log" || true
  echo "fuzz-smoke: $name: no crash in ${seconds}s"
done
