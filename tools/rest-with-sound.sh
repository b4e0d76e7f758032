#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The game at rest with its sound open: processor time and resident memory of the real
# program on a virtual screen, with a private sound server running as a desktop's would.
# Prints "cpu PERCENT" (of one core, over the measured seconds) and "rss KIB".
# Usage: tools/rest-with-sound.sh [BUILD_DIR] [SECONDS]
BUILD=${1:-build}
SECONDS_MEASURED=${2:-30}
source "$(dirname "$0")/../tests/platform/lib.sh"
[[ -x $BUILD/slots_tarnix ]] || fail "no $BUILD/slots_tarnix: build first"
export XDG_CONFIG_HOME="$WORK/config" HOME="$WORK/home" QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_CONFIG_HOME" "$HOME"

start_pulse
start_xvfb
"$BUILD/slots_tarnix" >"$WORK/game.out" 2>&1 &
GAME=$!
STARTED_PIDS+=("$GAME")
wait_for 200 xdotool search --name '^Current Player' || fail "no game window: $(cat "$WORK/game.out")"
# The start sound, the first paint and the closing of the idle audio device are over by then.
sleep 12
pactl list short clients | grep -q . || fail "the game has no connection to the sound server"

ticks() { awk '{ print $14 + $15 }' "/proc/$GAME/stat"; }
before=$(ticks)
sleep "$SECONDS_MEASURED"
after=$(ticks)
hz=$(getconf CLK_TCK)
awk -v t=$((after - before)) -v hz="$hz" -v s="$SECONDS_MEASURED" \
  'BEGIN { printf "cpu %.2f\n", 100 * t / hz / s }'
echo "rss $(awk '/^VmRSS:/ { print $2 }' "/proc/$GAME/status")"
