#!/bin/sh
# Runs one test process in a fresh folder of its own under the current one,
# and removes it afterwards: CTest runs the cases of a program side by side,
# and each may write a "PREFS.SAV" or a song folder where it stands.
# Usage: in_scratch_folder.sh PROGRAM [ARGUMENTS...]
set -u
scratch=$(mktemp -d "$PWD/run.XXXXXX") || exit 1
cd "$scratch" || exit 1
XDG_RUNTIME_DIR=$scratch "$@"
status=$?
cd .. && rm -rf "$scratch"
exit $status
