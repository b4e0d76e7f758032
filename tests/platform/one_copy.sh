#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real game started twice on a virtual X screen: a second copy says it is already running
# and ends without touching the record file or the screen mode, even when its session differs
# (another XDG_RUNTIME_DIR, or none, as with two logins or a launcher without a session): the
# lock lies beside the records. A closed terminal (SIGHUP) ends the first copy as the exit
# command would; after a copy is killed with SIGKILL, the lock it left behind is taken over by
# the next start.
# Usage: one_copy.sh PATH/TO/slots_tarnix
GAME=$1
source "$(dirname "$0")/lib.sh"
export XDG_RUNTIME_DIR="$WORK/run" XDG_CONFIG_HOME="$WORK/config" HOME="$WORK/home"
export XDG_STATE_HOME="$WORK/state" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$WORK/run2" "$XDG_CONFIG_HOME" "$HOME"
RECORDS="$XDG_CONFIG_HOME/aust.ini"
LOCK="$XDG_CONFIG_HOME/slots_tarnix.lock"
start_xvfb
ORIGINAL=$(screen_size)

expect_size() {
  wait_for 50 eval "[[ \$(screen_size) == $1 ]]" || fail "$2: the screen is $(screen_size), expected $1"
  note "$2: screen $1"
}
cabinets() { xdotool search --onlyvisible --name '^Current Player' 2>/dev/null | wc -l; }
bank() { sed -n 's/^bank=//p' "$RECORDS"; }

# Starts a copy that is expected to open the cabinet; PID is set.
launch() { # name
  "$GAME" >"$WORK/$1.out" 2>&1 &
  PID=$!
  STARTED_PIDS+=("$PID")
  wait_for 200 xdotool search --name '^Current Player' || fail "$1: no game window: $(cat "$WORK/$1.out")"
  expect_size 800x600 "$1 started"
}

# Starts a copy, with the environment changes given, that must be refused.
refused_copy() { # name env-args...
  local name=$1 box status=0 pid
  shift
  env "$@" "$GAME" >"$WORK/$name.out" 2>"$WORK/$name.err" &
  pid=$!
  STARTED_PIDS+=("$pid")
  wait_for 200 xdotool search --onlyvisible --name '^slots_tarnix$' ||
    fail "$name: no message: $(cat "$WORK/$name.out" "$WORK/$name.err")"
  box=$(xdotool search --onlyvisible --name '^slots_tarnix$' | head -1)
  grep -qx 'slots_tarnix is already running' "$WORK/$name.err" ||
    fail "$name: the message is not on stderr: $(cat "$WORK/$name.err")"
  [[ -z $(ps -o pid= --ppid "$pid") ]] || fail "$name started a screen-mode watcher"
  [[ $(cabinets) -eq 1 ]] || fail "$name opened a cabinet"
  xdotool windowfocus --sync "$box" key Return
  wait_for 100 eval "! kill -0 $pid" || fail "$name did not end when its message was closed"
  wait "$pid" || status=$?
  [[ $status -eq 1 ]] || fail "$name ended with status $status, expected 1"
  cmp -s "$RECORDS" "$WORK/record.before" || fail "$name changed the record file"
  [[ ! -e $RECORDS.damaged ]] || fail "$name wrote a damaged copy"
  expect_size 800x600 "$name refused with status 1, the first copy's mode"
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

launch first
FIRST=$PID
WIN=$(xdotool search --name '^Current Player' | head -1)
eval "$(xdotool getwindowgeometry --shell "$WIN")"
# A coin, stored as it goes in: the INSERT COIN button's middle, under the menu bar.
xdotool mousemove 493 $((HEIGHT - 442 + 380)) click 1
wait_for 100 eval "[[ \$(bank) == 1945 ]]" || fail "the coin was not stored: $(cat "$RECORDS")"
cp "$RECORDS" "$WORK/record.before"
note "a coin in the first copy"

refused_copy second XDG_RUNTIME_DIR="$WORK/run2"
refused_copy third -u XDG_RUNTIME_DIR
[[ -f $LOCK ]] || fail "no lock file beside the records at $LOCK"
kill -0 "$FIRST" || fail "the first copy did not survive the other starts"

note "the first copy's terminal closed: SIGHUP"
kill -HUP "$FIRST"
wait_for 100 eval "! kill -0 $FIRST" || fail "SIGHUP did not end the game"
status=0
wait "$FIRST" || status=$?
[[ $status -eq 0 ]] || fail "the game ended with status $status after SIGHUP: $(cat "$WORK/first.out")"
expect_size "$ORIGINAL" "after SIGHUP, the user's own mode"
[[ $(bank) == 1945 ]] || fail "the first copy's coin was lost: $(cat "$RECORDS")"

launch fourth
note "the fourth copy killed with SIGKILL: its lock stays behind"
kill -KILL "$PID"
wait "$PID" 2>/dev/null || true
expect_size "$ORIGINAL" "after the kill, restored by the watcher"
[[ -f $LOCK ]] || fail "no lock file at $LOCK"

XDG_RUNTIME_DIR="$WORK/run2" launch fifth
grep -q 'already running' "$WORK/fifth.out" && fail "the next start was refused"
note "the stale lock was taken over"
terminate_game "$PID" "$WORK/fifth.out"
expect_size "$ORIGINAL" "after SIGTERM"
[[ $(bank) == 1945 ]] || fail "the credit was not kept: $(cat "$RECORDS")"
echo PASS
