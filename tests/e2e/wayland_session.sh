#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The game in a Wayland session: a headless compositor of 1920 x 1080 and no X server at all.
# It must start on the Wayland platform, say how it shows the cabinet, and on SIGTERM store
# the player's record and end.
# Usage: wayland_session.sh PATH/TO/slots_tarnix
GAME=$1
HERE=$(dirname "$0")
source "$HERE/../platform/lib.sh"
# A private runtime folder: the compositor's socket lives there, and it must be ours alone.
export XDG_RUNTIME_DIR="$WORK/run" XDG_CONFIG_HOME="$WORK/config" HOME="$WORK/home"
export SDL_AUDIODRIVER=dummy
unset DISPLAY QT_QPA_PLATFORM QT_SCALE_FACTOR
mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$HOME"
RECORDS="$XDG_CONFIG_HOME/aust.ini"

SOCKET="tarnix-$$"
weston --backend=headless-backend.so --socket="$SOCKET" --width=1920 --height=1080 \
  --idle-time=0 >"$WORK/weston.log" 2>&1 &
STARTED_PIDS+=($!)
wait_for 100 test -S "$XDG_RUNTIME_DIR/$SOCKET" || fail "weston did not start: $(cat "$WORK/weston.log")"
export WAYLAND_DISPLAY=$SOCKET

# A stored credit the game must load and store back.
printf '[player1]\nbank=1234\n' >"$RECORDS"
"$GAME" --verbose >"$WORK/game.out" 2>&1 &
GAMEPID=$!
STARTED_PIDS+=("$GAMEPID")
wait_for 100 grep -q 'platform' "$WORK/game.out" || fail "the game said nothing: $(cat "$WORK/game.out")"
grep -q 'platform wayland, screen 1920 x 1080, mode not switched .*, factor 2, full screen' \
  "$WORK/game.out" || fail "the game reports: $(cat "$WORK/game.out")"
note "$(head -1 "$WORK/game.out")"
sleep 2 # up and drawing
kill -0 "$GAMEPID" || fail "the game ended by itself: $(cat "$WORK/game.out")"
kill -TERM "$GAMEPID"
wait_for 100 eval "! kill -0 $GAMEPID" || fail "the game did not end on SIGTERM"
status=0
wait "$GAMEPID" || status=$?
((status == 0)) || fail "the game ended with status $status: $(cat "$WORK/game.out")"
# The whole record is written back: keys the seed did not have are there now.
[[ $(sed -n 's/^bank=//p' "$RECORDS") == 1234 && $(sed -n 's/^games=//p' "$RECORDS") == 0 ]] ||
  fail "the record was not stored on SIGTERM: $(cat "$RECORDS")"
note "stored on SIGTERM: $(tr '\n' ' ' <"$RECORDS")"

# The font check sees the DPI on Wayland too: 120 gets the warning at the cabinet's own size.
QT_FONT_DPI=120 "$GAME" --verbose >"$WORK/dpi.out" 2>&1 &
DPIPID=$!
STARTED_PIDS+=("$DPIPID")
wait_for 100 grep -q 'platform' "$WORK/dpi.out" || fail "the game said nothing at 120 DPI"
grep -q 'platform wayland, .*not at 96 DPI), factor 1,' "$WORK/dpi.out" ||
  fail "at 120 DPI the game reports: $(cat "$WORK/dpi.out")"
kill -TERM "$DPIPID"
wait_for 100 eval "! kill -0 $DPIPID" || fail "the warning did not end on SIGTERM"
note "at 120 DPI: the font check's warning"
echo PASS
