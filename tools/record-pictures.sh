#!/usr/bin/env bash
# Writes the board and the dialogs as the player sees them, at several sizes,
# with smooth drawing on and off, at display scales 1 and 2, into one folder:
# run it before and after a change that must not move a pixel, then
# `cmp` the two folders' files.
# Usage: tools/record-pictures.sh BUILD_DIR OUT_DIR
set -euo pipefail
build=${1:?build folder}
out=${2:?output folder}
mkdir -p "$out"
board=$(find "$build" -name kolumo_board_preview -type f -perm -u+x | head -1)
dialogs=$(find "$build" -name kolumo_dialog_preview -type f -perm -u+x | head -1)
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
for scale in 1 2; do
  for size in "700 400" "480 266" "1280 720" "333 517"; do
    for aa in 0 1; do
      name="board-${size/ /x}-aa$aa-scale$scale.png"
      # shellcheck disable=SC2086
      QT_SCALE_FACTOR=$scale "$board" $size $aa "$out/$name" 1 12345
    done
  done
  mkdir -p "$out/dialogs-scale$scale"
  QT_SCALE_FACTOR=$scale "$dialogs" "$out/dialogs-scale$scale"
done
ls "$out" | wc -l
