#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The game's screen services on a virtual X screen of 1024 x 768 that also offers 800 x 600 and
# 640 x 480: the switch and the restore, the restore after the game is killed, a size the screen
# does not offer, a platform without X, and the font check at 120 DPI.
# Usage: screen_mode.sh PATH/TO/tarnix-screen-drive
DRIVE=$1
source "$(dirname "$0")/lib.sh"
export XDG_RUNTIME_DIR="$WORK/run" QT_QPA_PLATFORM=xcb
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
start_xvfb
ORIGINAL=$(screen_size)
[[ $ORIGINAL == 1024x768 ]] || fail "the virtual screen starts at $ORIGINAL"

# Starts the driver with the given steps; its "wait" steps continue on `step`.
launch() {
  rm -f "$WORK/in" "$WORK/out"
  mkfifo "$WORK/in"
  "$DRIVE" "$@" <"$WORK/in" >"$WORK/out" 2>"$WORK/err" &
  DRIVER=$!
  STARTED_PIDS+=("$DRIVER")
  exec 3>"$WORK/in"
}
waiting_count() { grep -c '^waiting$' "$WORK/out" 2>/dev/null || true; }
at_wait() { # n: blocks until the driver reached its n-th wait
  wait_for 150 eval "[[ \$(waiting_count) -ge $1 ]]" || fail "driver never reached wait $1: $(cat "$WORK/out" "$WORK/err")"
}
step() { echo >&3; }
finish() { # expected exit status
  exec 3>&-
  local status=0
  wait "$DRIVER" || status=$?
  [[ $status -eq $1 ]] || fail "driver ended with $status, expected $1: $(cat "$WORK/out" "$WORK/err")"
}
expect_size() {
  wait_for 50 eval "[[ \$(screen_size) == $1 ]]" || fail "$2: the screen is $(screen_size), expected $1"
  note "$2: $1"
}
watchers() { ps -o pid= --ppid "$DRIVER" 2>/dev/null | wc -l; }

note "switch to 800 x 600 and back"
launch fontcheck change 800 600 wait restore wait
at_wait 1
expect_size 800x600 "after ChangeRes 800 600"
grep -q '^screendpi 96$' "$WORK/out" || fail "the check at 96 DPI: $(cat "$WORK/out")"
[[ $(watchers) -eq 1 ]] || fail "no restore watcher beside the game"
step
at_wait 2
expect_size "$ORIGINAL" "after RestoreRes"
[[ $(watchers) -eq 0 ]] || fail "the watcher outlived the restore"
step
finish 0

note "640 x 480, then 800 x 600, then the user's own mode"
launch change 640 480 wait change 800 600 wait restore wait restore
at_wait 1
expect_size 640x480 "after ChangeRes 640 480"
step
at_wait 2
expect_size 800x600 "after ChangeRes 800 600"
step
at_wait 3
expect_size "$ORIGINAL" "after RestoreRes"
step
finish 0
expect_size "$ORIGINAL" "a second RestoreRes changes nothing"

note "the game killed with SIGKILL"
launch change 800 600 wait
at_wait 1
expect_size 800x600 "before the kill"
kill -KILL "$DRIVER"
wait "$DRIVER" 2>/dev/null || true
exec 3>&-
expect_size "$ORIGINAL" "after the kill, restored by the watcher"

note "the game ending without RestoreRes"
launch change 640 480 wait
at_wait 1
expect_size 640x480 "before the end"
step
finish 0
expect_size "$ORIGINAL" "after an end without RestoreRes"

note "a size the screen does not offer"
launch change 1280 1024 wait restore
at_wait 1
expect_size "$ORIGINAL" "after ChangeRes 1280 1024"
[[ $(watchers) -eq 0 ]] || fail "a watcher was started for a change that did not happen"
step
finish 0
expect_size "$ORIGINAL" "after RestoreRes with nothing changed"

note "a platform other than X11"
QT_QPA_PLATFORM=offscreen launch change 800 600 wait restore
at_wait 1
grep -q '^platform offscreen$' "$WORK/out" || fail "not offscreen: $(cat "$WORK/out")"
expect_size "$ORIGINAL" "offscreen ChangeRes 800 600"
step
finish 0

note "the font check at 120 DPI"
QT_FONT_DPI=120 QT_ENABLE_HIGHDPI_SCALING=0 launch fontcheck change 800 600 wait restore
wait_for 150 grep -q '^box shown$' "$WORK/out" || fail "no warning: $(cat "$WORK/out" "$WORK/err")"
expected_box=$(printf '%s\n' \
  'box title [               LARGE FONTS BEING USED !!!]' \
  'box line [You are still using Large Fonts!!,This Game Will Not Run Correctly.]' \
  'box line [There is no facility in this software to change them.]' \
  'box line [To Change Manually :-]' \
  'box line [Right Click On DeskTop]' \
  'box line [Select Properties]' \
  'box line [Select Settings]' \
  'box line [Click Advanced Button]' \
  'box line [Select SMALL Fonts (or 96 DPI)]' \
  'box line [A Re-Boot Is Then Required]' \
  'box line []' \
  'box line [To Change Back After Do The Reverse :-]' \
  'box line []' \
  'box icon information buttons 1')
[[ $(grep '^box ' "$WORK/out" | grep -v '^box shown$') == "$expected_box" ]] ||
  fail "the warning reads differently: $(cat "$WORK/out")"
expect_size "$ORIGINAL" "while the warning is shown"
# The warning is a real window on the X screen under its exact title; Return closes it.
window=$(xdotool search --name '^               LARGE FONTS BEING USED !!!$' | head -1)
[[ -n $window ]] || fail "the warning is not on the X screen"
xdotool key --window "$window" Return 2>/dev/null || true
finish 3
grep -q '^screendpi 120, ended by the font check$' "$WORK/out" || fail "$(cat "$WORK/out")"
grep -q '^changed$' "$WORK/out" && fail "the program went on after the warning"
expect_size "$ORIGINAL" "after the warning"
echo PASS
