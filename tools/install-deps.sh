#!/usr/bin/env bash
# Installs the Debian packages Kolumo needs to build, run and test.
# Idempotent: packages already present are skipped, and apt is not touched at all
# when nothing is missing.
set -euo pipefail

packages=(
  # build, and the catalogues' tools (lupdate, lrelease)
  cmake ninja-build make g++ pkg-config qt6-l10n-tools qt6-tools-dev
  # libraries
  qt6-base-dev libsdl2-dev libsdl2-mixer-dev libfontconfig-dev
  # General MIDI soundfont for the music player
  timgm6mb-soundfont
  # fonts the board draws its symbols and numbers with
  fonts-dejavu-core fonts-liberation2
  # the Japanese and Chinese captions (a catalogue no font can draw is not loaded)
  fonts-noto-cjk
  # tests and benchmarks; Qt's own catalogues, which the language test loads
  libgtest-dev libbenchmark-dev qt6-translations-l10n
  # fuzzing the saved state loader
  clang libclang-rt-dev
  # running the game headless and looking at it
  xvfb xauth
  # reading the game over the accessibility bus, as a screen reader does
  dbus-daemon
  at-spi2-core
  python3-pyatspi
  # the native Wayland client: Qt's plugin, and weston's headless compositor to test it
  qt6-wayland weston
  # validating the desktop entry and metainfo, building and checking the Debian package
  desktop-file-utils appstream dpkg-dev file lintian
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
