#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages the game, its tests and its asset generator need,
# but only those that are missing, so a warm machine starts at once.
set -euo pipefail

packages=(
  # building
  cmake g++ make pkg-config qt6-base-dev libsdl2-mixer-dev libxrandr-dev
  # the cabinet font and the emoji the animals are drawn from
  fonts-comic-neue fonts-noto-color-emoji
  # end-to-end tests: a real X server, its mode switching, a private sound server
  xvfb xauth x11-xserver-utils xdotool imagemagick pulseaudio pulseaudio-utils sox procps
  # Wayland: the game's own platform there, and a headless compositor for its test
  qt6-wayland weston
  # desktop integration: the validators of launcher entries and software-centre descriptions
  appstream desktop-file-utils
  # the trace of a save that shows it reaching the disk
  strace
  # licence headers checked, the Debian package built and checked
  reuse dpkg-dev file lintian
  # fuzzing: clang with libFuzzer and the sanitizers' runtime
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing Debian packages: ${missing[*]}" >&2
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
  if command -v sudo >/dev/null; then
    sudo_cmd=(sudo)
  else
    echo "Please install as root: apt-get install ${missing[*]}" >&2
    exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
