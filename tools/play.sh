#!/usr/bin/env bash
# Installs what is needed, builds Kolumo and starts it from the project root,
# where its default music folder "songs" and its "PREFS.SAV" live.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target kolumo
exec build/release/app/kolumo
