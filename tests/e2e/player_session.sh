#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A player's whole session with the real game, from outside: start (the screen becomes 800 x
# 600, the start sound is heard), coins, lines, games by mouse and space bar, a win and its
# gamble, then the three ways out (the exit menu, the close box, SIGTERM) and a kill -9 after
# coins, each followed by a restart that must find the credit and statistics as they were left
# and the screen back at its own mode. Screenshots of the key moments are checked against the
# cabinet's layout.
# Usage: player_session.sh PATH/TO/slots_tarnix PATH/TO/tarnix-close-box [SHOTS_DIR]
# Screenshots stay in SHOTS_DIR when one is given (kept after a failure, for a look).
GAME=$1
CLOSE_BOX=$2
HERE=$(dirname "$0")
source "$HERE/../platform/lib.sh"
source "$HERE/cabinet_probe.sh"
SHOTS=${3:-$WORK/shots}
PICTURES=$(cd "$HERE/../../assets/pictures" && pwd)
export XDG_RUNTIME_DIR="$WORK/run" XDG_CONFIG_HOME="$WORK/config" HOME="$WORK/home"
export XDG_STATE_HOME="$WORK/state"
export QT_QPA_PLATFORM=xcb
mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$HOME"
RECORDS="$XDG_CONFIG_HOME/aust.ini"

start_pulse
start_xvfb
ORIGINAL=$(screen_size)
# A stream of silence keeps the sink running, so its monitor records from the first moment.
pacat --raw --format=s16le --rate=44100 --channels=1 -d tarnix </dev/zero 2>/dev/null &
STARTED_PIDS+=($!)

expect_size() {
  wait_for 50 eval "[[ \$(screen_size) == $1 ]]" || fail "$2: the screen is $(screen_size), expected $1"
  note "$2: screen $1"
}

# The stored record of player 1, as "key=value" lines in a fixed order.
record() {
  local key
  for key in bank games wager total amountinvested; do
    printf '%s=%s\n' "$key" "$(sed -n "s/^$key=//p" "$RECORDS")"
  done
}
record_value() { record | sed -n "s/^$1=//p"; }

# Starts the game and waits for its window; GAMEPID and WIN are set.
launch() {
  "$GAME" >"$WORK/game.out" 2>&1 &
  GAMEPID=$!
  STARTED_PIDS+=("$GAMEPID")
  wait_for 200 xdotool search --name '^Current Player' || fail "no game window: $(cat "$WORK/game.out")"
  WIN=$(xdotool search --name '^Current Player' | head -1)
  eval "$(xdotool getwindowgeometry --shell "$WIN")"
  [[ $X == 0 && $Y == 0 && $WIDTH == 639 ]] || fail "the window is ${WIDTH}x$HEIGHT at $X,$Y"
  MENU=$((HEIGHT - 442))
  ((MENU > 10 && MENU < 40)) || fail "the client area is not 442 high under a menu bar ($HEIGHT)"
  expect_size 800x600 "after the start"
  sleep 1 # the first paint
}

# Waits for the game to end by itself (the way out was taken) and checks the screen mode.
ended() { # why
  local status=0
  wait_for 100 eval "! kill -0 $GAMEPID" || fail "$1: the game is still running"
  wait "$GAMEPID" || status=$?
  [[ $status -eq 0 ]] || fail "$1: the game ended with status $status: $(cat "$WORK/game.out")"
  expect_size "$ORIGINAL" "after $1"
}

# --- first run: start, coins, lines, games, a win and its gamble, quit from the menu --------
parec -d tarnix.monitor --raw --format=s16le --rate=44100 --channels=1 --latency-msec=20 \
  >"$WORK/start.raw" &
RECORDER=$!
STARTED_PIDS+=("$RECORDER")
sleep 0.5
launch
sleep 1.5
kill "$RECORDER"
peak=$(sox -t raw -r 44100 -e signed -b 16 -c 1 "$WORK/start.raw" -n stat 2>&1 |
  awk '/Maximum amplitude/ { print $3 }')
awk -v p="$peak" 'BEGIN { exit !(p > 0.05) }' || fail "no start sound was heard (peak $peak)"
note "start sound heard (peak $peak)"

shot start
for c in lines1 lines5 lines25 coin bet1 bet2 bet3 bet5 bet10 bet20; do
  expect_state "$LAST_SHOT" "$c" lit "at the start"
done
expect_state "$LAST_SHOT" double dimmed "at the start"
expect_state "$LAST_SHOT" panel hidden "at the start"
expect_state "$LAST_SHOT" collect hidden "at the start"

for _ in $(seq 25); do press coin; done
sleep 0.5
press lines5
note "25 coins in, 5 lines"
press bet1
finish_game
xdotool key space
finish_game
played=2
# Then all 25 lines, where most games win something and most wins are line wins.
press lines25
won=no
while ((played < 20)); do
  if ((played % 2 == 0)); then press bet1; else xdotool key space; fi
  played=$((played + 1))
  finish_game
  if [[ $(state_of "$LAST_SHOT" double) == lit ]]; then
    won=yes
    break
  fi
done
[[ $won == yes ]] || fail "no win in $played games"
note "a win after $played games"
# The winning line flashes: of a few shots, keep the one that differs most from the first.
shot win-0
best=0
cp "$LAST_SHOT" "$SHOTS/winning-line.png"
for i in 1 2 3 4 5 6; do
  sleep 0.2
  shot "win-$i"
  ae=$(compare -metric AE "$SHOTS/win-0.png" "$LAST_SHOT" null: 2>&1 || true)
  if ((${ae%%.*} > best)); then
    best=${ae%%.*}
    cp "$LAST_SHOT" "$SHOTS/winning-line.png"
  fi
done

press double
sleep 1
shot gamble
expect_state "$LAST_SHOT" panel lit "with the gamble open"
expect_state "$LAST_SHOT" red lit "with the gamble open"
for c in bet1 coin lines5; do
  expect_state "$LAST_SHOT" "$c" dimmed "with the gamble open"
done
# Red until a draw is lost, with the space bar pressed during every draw, its banner and the
# pause after a loss: the keys must neither press a button of the panel nor start a game once
# it has closed. The record stored after the winning game is the reference.
before=$(record)
draws=1
while :; do
  press red
  for _ in 1 2 3 4; do
    sleep 0.6
    xdotool key space
  done
  sleep 3 # the rest of the pause before a lost gamble's panel closes
  shot gamble-drawn
  [[ $(state_of "$LAST_SHOT" panel) == hidden ]] && break
  ((draws++ < 12)) || fail "twelve red bets in a row won"
  note "the red bet won: red again"
done
note "the red bet lost at draw $draws, with the space bar pressed throughout"
sleep 3 # long enough for a game that a space might have started to end and be stored
after=$(record)
field() { sed -n "s/^$1=//p" <<<"$2"; }
for key in games wager amountinvested; do
  [[ $(field $key "$after") == $(field $key "$before") ]] ||
    fail "a space during the lost gamble started a game: $key $(field $key "$before") -> $(field $key "$after")"
done
# The stake left the credit when the gamble opened; a lost gamble takes it out of Total
# Won by the same amount, and nothing else moved.
lost=$(($(field bank "$before") - $(field bank "$after")))
((lost > 0)) || fail "the lost gamble took nothing from the credit: $before / $after"
(($(field total "$before") - $(field total "$after") == lost)) ||
  fail "Total Won did not give up the lost stake of $lost: $before / $after"
note "no game started; the lost stake of $lost left the credit and Total Won"
shot after-gamble
expect_state "$LAST_SHOT" panel hidden "after the gamble"
expect_state "$LAST_SHOT" bet1 lit "after the gamble"

# The about (menu item 1), pay-table (3), options (4) and recall (7) windows: each opens at the top left
# over the disabled cabinet and closes by its own button. The Quick Credit that follows only
# counts if the cabinet came back to life after them.
other_window() { # menu-item title button-x button-y [before-closing...]
  press_menu "$1"
  wait_for 50 xdotool search --name "^$2\$" || fail "the menu item $1 opened no '$2' window"
  local id
  id=$(xdotool search --name "^$2\$" | head -1)
  eval "$(xdotool getwindowgeometry --shell "$id")"
  [[ $X == 0 && $Y == 0 ]] || fail "'$2' opened at $X,$Y, not at the top left"
  sleep 0.5
  shot "window-$1"
  local x=$3 y=$4 title=$2
  shift 4
  (($# == 0)) || "$@"
  xdotool mousemove "$x" "$y" click 1
  wait_for 50 eval "! xdotool search --name '^$title\$'" || fail "'$title' did not close by its button"
  note "'$title' opened at 0,0 and closed"
}
other_window 1 "About slots_tarnix" 314 35     # OK
other_window 3 "TARNIX PAYTABLE" 382 363       # Close Paytable
# The recall (menu item 7) shows the games just played; its file is there already.
[[ -s $XDG_STATE_HOME/slots_tarnix/recall-player1.json ]] || fail "no recall file after the games"
other_window 7 "TARNIX RECALL" 555 520 # Close Recall
# In the options, "640 X 480  Large" switches the screen; the exit brings the user's mode back.
large_screen() {
  xdotool mousemove 492 70 click 1
  expect_size 640x480 "after choosing 640 X 480"
}
other_window 4 "TarNix Options" 456 260 large_screen # O.K.

press_menu 5 # Quick Credit
sleep 1

shot before-exit
press_menu 6
ended "the exit menu"
first=$(record)
[[ $(record_value amountinvested) == 5500 ]] ||
  fail "25 coins and a quick credit stored as $(record_value amountinvested)"
(($(record_value games) >= 2 && $(record_value wager) >= 10)) || fail "the games were not stored: $(echo $(record))"
note "stored: $(echo $first)"

# --- second run: the credit shown as left; out by the close box ----------------------------
launch
shot restarted
# The credit meter must read exactly as it did before the exit.
compare -metric AE -crop "100x28+53+$((20 + MENU))" "$SHOTS/before-exit.png" \
  "$LAST_SHOT" null: 2>"$WORK/ae" || fail "the credit shown after the restart differs: $(cat "$WORK/ae")"
"$CLOSE_BOX" "$WIN"
ended "the close box"
[[ $(record) == "$first" ]] || fail "the close box stored $(echo $(record)) after $(echo $first)"

# --- third run: a coin, then SIGTERM as at a logout -----------------------------------------
launch
press coin
sleep 0.5
kill -TERM "$GAMEPID"
ended "SIGTERM"
[[ $(record_value bank) == $(($(sed -n 's/^bank=//p' <<<"$first") + 20)) ]] ||
  fail "the coin before SIGTERM was not kept: $(echo $(record))"

# --- fourth run: three coins, then kill -9: the coins were stored when they went in --------
launch
before_coins=$(record_value bank)
for _ in 1 2 3; do press coin; done
sleep 0.5
shot coins-in
kill -KILL "$GAMEPID"
wait "$GAMEPID" 2>/dev/null || true # killed: its status is 137
expect_size "$ORIGINAL" "after kill -9" # the mode watcher puts the screen back
[[ $(record_value bank) == $((before_coins + 60)) ]] ||
  fail "three coins before kill -9 were not stored: $(echo $(record))"
note "three coins survived kill -9"

# --- fifth run: everything as left -------------------------------------------------------
launch
shot last-start
compare -metric AE -crop "100x28+53+$((20 + MENU))" "$SHOTS/coins-in.png" \
  "$LAST_SHOT" null: 2>"$WORK/ae" || fail "the credit after kill -9 differs: $(cat "$WORK/ae")"
"$CLOSE_BOX" "$WIN"
ended "the last close"

# The game's window alone, for showing.
for s in start winning-line gamble; do
  convert "$SHOTS/$s.png" -crop "639x$((442 + MENU))+0+0" +repage "$SHOTS/window-$s.png"
done
echo PASS
