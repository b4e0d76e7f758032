#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real game near the top of the credit's range on a virtual X screen: a bet whose largest
# outcome could overflow the credit is refused with the limit box and changes nothing, a
# smaller bet still plays and its win is all in the credit, and a coin at the very top is
# refused with the same box.
# Usage: credit_ceiling.sh PATH/TO/slots_tarnix
GAME=$1
source "$(dirname "$0")/lib.sh"
export XDG_RUNTIME_DIR="$WORK/run" XDG_CONFIG_HOME="$WORK/config" HOME="$WORK/home"
export XDG_STATE_HOME="$WORK/state" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$HOME"
RECORDS="$XDG_CONFIG_HOME/aust.ini"
start_xvfb

record() { # bank
  cat >"$RECORDS" <<INI
[player1]
winroll=0
reelspeed=4
amountinvested=$1
wager=0
total=0
bank=$1
games=0
currentplayer=RICH
INI
}
value() { sed -n "s/^$1=//p" "$RECORDS"; }

launch() { # name
  "$GAME" >"$WORK/$1.out" 2>&1 &
  PID=$!
  STARTED_PIDS+=("$PID")
  wait_for 200 xdotool search --onlyvisible --name '^Current Player' ||
    fail "$1: no game window: $(cat "$WORK/$1.out")"
  CABINET=$(xdotool search --onlyvisible --name '^Current Player' | head -1)
}
# Clicks a control of the cabinet at its place in the 1x layout (menu bar included).
press() { # x y
  xdotool mousemove --window "$CABINET" "$1" "$2" click 1
}
expect_box() { # what
  wait_for 100 xdotool search --onlyvisible --name '^Slots_Tarnix$' || fail "$1: no limit box"
  BOX=$(xdotool search --onlyvisible --name '^Slots_Tarnix$' | head -1)
  xdotool windowfocus --sync "$BOX" key Return
  wait_for 100 eval "! xdotool search --onlyvisible --name '^Slots_Tarnix\$'" ||
    fail "$1: the box did not close"
  note "$1: the limit box"
}

# 25 lines: at 20 a line the credit may be at most 2,132,887,147, at 1 a line 2,146,753,822.
BANK=2146753000
record "$BANK"
cp "$RECORDS" "$WORK/record.before"
launch ceiling

press 493 443 # BET 20
expect_box "20 a line above its ceiling"
cmp -s "$RECORDS" "$WORK/record.before" || fail "the refused game changed the record: $(cat "$RECORDS")"

press 53 443 # BET 1
wait_for 300 eval '[[ $(value games) == 1 ]]' || fail "the game at 1 a line was not played: $(cat "$RECORDS")"
xdotool search --onlyvisible --name '^Slots_Tarnix$' >/dev/null && fail "a box came up at 1 a line"
terminate_game "$PID" "$WORK/ceiling.out"
BANK_AFTER=$(value bank)
(( BANK_AFTER - BANK == $(value total) - $(value wager) )) ||
  fail "the credit moved by $((BANK_AFTER - BANK)), the statistics say otherwise: $(cat "$RECORDS")"
[[ $(value wager) == 25 ]] || fail "the stake was not counted: $(cat "$RECORDS")"
note "1 a line played: credit $BANK_AFTER, its win all in the credit"

record 2147483640
cp "$RECORDS" "$WORK/record.before"
launch coin
press 493 405 # INSERT COIN
expect_box "a coin at the top of the range"
terminate_game "$PID" "$WORK/coin.out"
[[ $(value bank) == 2147483640 && $(value amountinvested) == 2147483640 ]] ||
  fail "the refused coin changed the record: $(cat "$RECORDS")"
echo PASS
