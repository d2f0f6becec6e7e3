#!/usr/bin/env bash
# Installs what is needed, builds Kolumo and runs every test, each once:
#  - the plain build of the game, and the checks of what players install
#    (the desktop files, the installed tree, the Debian package);
#  - everything under AddressSanitizer + UndefinedBehaviorSanitizer, and
#    every other test there;
#  - a short run of the saved state file fuzzer.
# Tests run side by side, one per core; each step says how long it took.
# For the whole suite on a plain build: ctest --preset default.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
jobs=$(nproc)

step() {
  local start=$SECONDS
  "$@"
  echo "test.sh: $* took $((SECONDS - start))s" >&2
}

step cmake --preset default >/dev/null
step cmake --build --preset game
step ctest --preset package -j "$jobs"

step cmake --preset asan >/dev/null
step cmake --build --preset asan
step ctest --preset asan -j "$jobs"

step cmake --preset fuzz >/dev/null
step cmake --build --preset fuzz
step bash tools/fuzz-smoke.sh build/fuzz
