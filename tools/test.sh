#!/usr/bin/env bash
# Installs what is needed, builds Kolumo and runs every test: the debug build,
# then the same tests under AddressSanitizer + UndefinedBehaviorSanitizer,
# then a short run of the saved state file fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh

cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

if [ -f fuzz/CMakeLists.txt ]; then
  cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz
  bash tools/fuzz-smoke.sh build/fuzz
fi
