#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real programs' command lines where things go wrong outside them: standard output full or
# closed (every tarnix-math command, the game's --help and --version), a display that names no
# server or a platform that does not exist, and options nobody knows, while the toolkit's own
# options still reach it (on a virtual X screen).
# Usage: command_line.sh PATH/TO/tarnix-math PATH/TO/slots_tarnix
MATH=$1
GAME=$2
source "$(dirname "$0")/lib.sh"
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/run"
export XDG_STATE_HOME="$WORK/state" SDL_AUDIODRIVER=dummy
mkdir -m 700 -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# Runs a command; STATUS, OUT and ERR (its standard error) are set.
run() {
  STATUS=0
  "$@" >"$WORK/out" 2>"$WORK/err" || STATUS=$?
  OUT=$(cat "$WORK/out")
  ERR=$(cat "$WORK/err")
}
# Runs a command with standard output full or closed; STATUS and ERR are set.
run_to() { # full|closed command...
  local to=$1
  shift
  STATUS=0
  if [[ $to == full ]]; then
    "$@" >/dev/full 2>"$WORK/err" || STATUS=$?
  else
    "$@" >&- 2>"$WORK/err" || STATUS=$?
  fi
  ERR=$(cat "$WORK/err")
}
# Standard error holds exactly one line, starting with the program's name.
one_line() { # program what
  [[ $(wc -l <"$WORK/err") -eq 1 && $ERR == "$1: "* ]] || fail "$2: said instead: $ERR"
}

note "standard output that cannot be written"
MATH_RUNS=(
  "--help"
  "evaluate --stops 5,2,13,15,17"
  "enumerate --lines 1"
  "simulate --games 1000 --seed 1"
  "exact --lines 1"
  "parsheet --lines 1"
)
for args in "${MATH_RUNS[@]}"; do
  # shellcheck disable=SC2086 # the words are the arguments
  for to in full closed; do
    run_to $to "$MATH" $args
    ((STATUS != 0)) || fail "tarnix-math $args with standard output $to ended with status 0"
    one_line tarnix-math "tarnix-math $args, standard output $to"
  done
  note "tarnix-math $args: refused to a full or closed output"
done
# With standard output closed, the picture must not receive the sheet's text.
"$MATH" parsheet --lines 1 --figure "$WORK/band.svg" >&- 2>/dev/null && fail "parsheet --figure >&- succeeded"
[[ ! -e $WORK/band.svg ]] || head -c 5 "$WORK/band.svg" | grep -q '^<svg' ||
  fail "the figure took standard output's place: $(head -c 80 "$WORK/band.svg")"
for option in --help --version; do
  for to in full closed; do
    run_to $to "$GAME" $option
    [[ $STATUS -eq 1 ]] || fail "slots_tarnix $option with standard output $to ended with status $STATUS"
    one_line slots_tarnix "slots_tarnix $option, standard output $to"
  done
  run "$GAME" $option
  [[ $STATUS -eq 0 && -n $OUT && -z $ERR ]] || fail "slots_tarnix $option on a terminal: $STATUS $ERR"
  note "slots_tarnix $option: refused to a full or closed output, answered to a good one"
done

note "options nobody knows"
for bad in --bogus "--scale 2 -x" stray; do
  # shellcheck disable=SC2086
  run "$GAME" $bad
  [[ $STATUS -eq 2 ]] || fail "slots_tarnix $bad ended with status $STATUS: $ERR"
  one_line slots_tarnix "slots_tarnix $bad"
  [[ $ERR == *"--scale auto|1|2|3|4"*"--verbose"*"--help"*"--version"* ]] ||
    fail "slots_tarnix $bad did not name the options: $ERR"
  [[ -z $OUT ]] || fail "slots_tarnix $bad wrote to standard output: $OUT"
done
note "refused: $ERR"

note "a display that cannot be opened"
# A display number with no server: neither its socket nor its lock file is there.
n=59
while [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
for way in "DISPLAY=:$n" "DISPLAY=:$n -platform xcb" "-platform nosuch"; do
  read -r first rest <<<"$way"
  if [[ $first == DISPLAY=* ]]; then
    # shellcheck disable=SC2086
    run env "$first" timeout 30 "$GAME" $rest
  else
    # shellcheck disable=SC2086
    run env DISPLAY=":$n" timeout 30 "$GAME" $way
  fi
  [[ $STATUS -eq 1 ]] || fail "$way: ended with status $STATUS: $ERR"
  one_line slots_tarnix "$way"
  [[ $ERR == *"could not be opened"*"xvfb-run"* ]] || fail "$way: did not say what to do: $ERR"
  [[ $way != *nosuch* || $ERR == *"platform nosuch"*"offers"*"offscreen"* ]] ||
    fail "$way: did not name the platforms there are: $ERR"
  [[ $way == *nosuch* || $ERR == *":$n"* ]] || fail "$way: did not name the display: $ERR"
  [[ ! -e $XDG_CONFIG_HOME/aust.ini ]] || fail "$way: stored a record although it never started"
  note "$way: $ERR"
done

note "the toolkit's own options still reach it"
start_xvfb
# The display named only on the command line, as -display, with Qt's other options beside it.
env -u DISPLAY "$GAME" -display "$DISPLAY" -reverse -style Fusion --verbose \
  >"$WORK/game.out" 2>"$WORK/game.err" &
PID=$!
STARTED_PIDS+=("$PID")
wait_for 200 xdotool search --name '^Current Player' ||
  fail "the game did not start with -display: $(cat "$WORK/game.out" "$WORK/game.err")"
# The mode is switched on that display, not on one DISPLAY would have named.
grep -q '^slots_tarnix: platform xcb, screen 1024 x 768, mode switched' "$WORK/game.out" ||
  fail "not switched on X11: $(cat "$WORK/game.out")"
wait_for 50 eval '[[ $(screen_size) == 800x600 ]]' || fail "the screen is $(screen_size), not 800x600"
terminate_game "$PID" "$WORK/game.err"
wait_for 50 eval '[[ $(screen_size) == 1024x768 ]]' || fail "the screen stayed at $(screen_size)"
note "$(cat "$WORK/game.out")"

note "the game with its standard output and error closed"
"$GAME" --verbose >&- 2>&- &
PID=$!
STARTED_PIDS+=("$PID")
wait_for 200 xdotool search --name '^Current Player' || fail "the game did not start with >&- 2>&-"
terminate_game "$PID" /dev/null
# What it printed went nowhere, not into the files it had open in those places.
for file in "$XDG_CONFIG_HOME"/*; do
  ! grep -aq 'slots_tarnix: platform' "$file" || fail "the game's messages went into $file"
done
[[ -e $XDG_CONFIG_HOME/slots_tarnix.lock && ! -s $XDG_CONFIG_HOME/slots_tarnix.lock ]] ||
  fail "the lock file is missing or not empty"
echo PASS
