#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real game started twice on a virtual X screen: the second copy says it is already running
# and ends without touching the record file or the screen mode; after the first copy is killed
# with SIGKILL, the lock it left behind is taken over by the next start.
# Usage: one_copy.sh PATH/TO/slots_tarnix
GAME=$1
source "$(dirname "$0")/lib.sh"
export XDG_RUNTIME_DIR="$WORK/run" XDG_CONFIG_HOME="$WORK/config" HOME="$WORK/home"
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$HOME"
RECORDS="$XDG_CONFIG_HOME/aust.ini"
LOCK="$XDG_RUNTIME_DIR/slots_tarnix.lock"
start_xvfb
ORIGINAL=$(screen_size)

expect_size() {
  wait_for 50 eval "[[ \$(screen_size) == $1 ]]" || fail "$2: the screen is $(screen_size), expected $1"
  note "$2: screen $1"
}
cabinets() { xdotool search --onlyvisible --name '^Current Player' 2>/dev/null | wc -l; }

# Starts a copy that is expected to open the cabinet; PID is set.
launch() { # name
  "$GAME" >"$WORK/$1.out" 2>&1 &
  PID=$!
  STARTED_PIDS+=("$PID")
  wait_for 200 xdotool search --name '^Current Player' || fail "$1: no game window: $(cat "$WORK/$1.out")"
  expect_size 800x600 "$1 started"
}

cat >"$RECORDS" <<'INI'
[player1]
winroll=1
reelspeed=4
amountinvested=2000
wager=350
total=275
bank=1925
games=31
currentplayer=MAUD
INI
cp "$RECORDS" "$WORK/record.before"

launch first
FIRST=$PID

note "a second copy while the first runs"
"$GAME" >"$WORK/second.out" 2>"$WORK/second.err" &
SECOND=$!
STARTED_PIDS+=("$SECOND")
wait_for 200 xdotool search --onlyvisible --name '^slots_tarnix$' ||
  fail "the second copy showed no message: $(cat "$WORK/second.out" "$WORK/second.err")"
BOX=$(xdotool search --onlyvisible --name '^slots_tarnix$' | head -1)
grep -qx 'slots_tarnix is already running' "$WORK/second.err" ||
  fail "the message is not on stderr: $(cat "$WORK/second.err")"
[[ -z $(ps -o pid= --ppid "$SECOND") ]] || fail "the second copy started a screen-mode watcher"
[[ $(cabinets) -eq 1 ]] || fail "the second copy opened a cabinet"
xdotool windowfocus --sync "$BOX" key Return
wait_for 100 eval "! kill -0 $SECOND" || fail "the second copy did not end when its message was closed"
status=0
wait "$SECOND" || status=$?
[[ $status -eq 1 ]] || fail "the refused copy ended with status $status, expected 1"
note "refused with status 1 and the message"
cmp -s "$RECORDS" "$WORK/record.before" || fail "the refused copy changed the record file"
[[ ! -e $RECORDS.damaged ]] || fail "the refused copy wrote a damaged copy"
expect_size 800x600 "after the refusal, the first copy's mode"
kill -0 "$FIRST" || fail "the first copy did not survive the second start"

note "the first copy killed with SIGKILL: its lock stays behind"
kill -KILL "$FIRST"
wait "$FIRST" 2>/dev/null || true
expect_size "$ORIGINAL" "after the kill, restored by the watcher"
[[ -f $LOCK ]] || fail "no lock file at $LOCK"
cmp -s "$RECORDS" "$WORK/record.before" || fail "the record changed without a game played"

launch third
grep -q 'already running' "$WORK/third.out" && fail "the next start was refused"
note "the stale lock was taken over"
terminate_game "$PID" "$WORK/third.out"
expect_size "$ORIGINAL" "after SIGTERM"
grep -q '^bank=1925$' "$RECORDS" || fail "the credit was not kept: $(cat "$RECORDS")"
echo PASS
