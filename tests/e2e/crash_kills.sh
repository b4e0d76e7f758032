#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Crash equivalence with the real game: one scripted session (coins, a Quick Credit, games at
# every line count and several bets, double-ups on colour and suit, whatever features come,
# a SIGTERM and the exit command) played once without interruption, then again with the game
# killed by SIGKILL at random instants (at least 100 times) and restarted, the script carrying
# on where the files say it stands. Both start from the same copied state folder, so the same
# generator; the record (aust.ini) and the recall (its times left out) must end identical.
# Usage: crash_kills.sh PATH/TO/slots_tarnix [SEED]
# SEED (also TARNIX_KILL_SEED) chooses the instants of the kills; it is printed for a rerun.
GAME=$1
SEED=${2:-${TARNIX_KILL_SEED:-$(($(date +%s) % 32768))}}
HERE=$(dirname "$0")
source "$HERE/../platform/lib.sh"
source "$HERE/cabinet_probe.sh"
SHOTS=$WORK/shots
PICTURES=$(cd "$HERE/../../assets/pictures" && pwd)
export QT_QPA_PLATFORM=xcb
# A fifth of the real delays: the same frames and outcomes in a fifth of the time.
export TARNIX_PACE_PERCENT=20
MIN_KILLS=100
RANDOM=$SEED
note "kill seed $SEED (rerun with TARNIX_KILL_SEED=$SEED)"

# The controls the probe does not know yet; the suit buttons have no face of their own.
CONTROL[lines10]="185 360 89 40 buttons/lines10.png"
CONTROL[lines20]="273 360 89 40 buttons/lines20.png"
CONTROL[black]="375 236 68 30 gamble/black.png"
CONTROL[suit1]="212 76 54 54 -"
CONTROL[suit2]="375 76 54 54 -"

start_xvfb

# Each run keeps its own folders; $1 names them.
use_folders() {
  export XDG_RUNTIME_DIR="$WORK/$1/run" XDG_CONFIG_HOME="$WORK/$1/config" HOME="$WORK/$1/home"
  export XDG_STATE_HOME="$WORK/$1/state"
  RECORDS="$XDG_CONFIG_HOME/aust.ini"
  JOURNAL="$XDG_STATE_HOME/slots_tarnix/journal-player1"
  RECALL="$XDG_STATE_HOME/slots_tarnix/recall-player1.json"
}

rfield() { sed -n "s/^$1=//p" "$RECORDS" 2>/dev/null; }
jfield() { sed -n "s/^$1 //p" "$JOURNAL" 2>/dev/null; }
# Games counted by the record or already decided in the journal's entry.
games_decided() {
  local r j
  r=$(rfield games) j=$(jfield games)
  echo $((${r:-0} > ${j:-0} ? ${r:-0} : ${j:-0}))
}

# Running and not yet a zombie (a killed game stays one until it is waited for).
alive() {
  local st
  st=$(cut -d' ' -f3 "/proc/$GAMEPID/stat" 2>/dev/null) || return 1
  [[ -n $st && $st != Z ]]
}

GAMEPID=
KILLER=
KILLS=0
launch() {
  "$GAME" >>"$WORK/game.out" 2>&1 &
  GAMEPID=$!
  STARTED_PIDS+=("$GAMEPID")
  KILLER=
  if [[ $MODE == kills ]] && ((RANDOM % 2 == 0)); then
    arm_kill 1500 # during the start, or the resume of what the last kill cut off
  fi
  local tries=200
  WIN=
  while ((tries-- > 0)); do
    alive || return 0
    WIN=$(xdotool search --name '^Current Player' 2>/dev/null | head -1) && [[ -n $WIN ]] && break
    sleep 0.1
  done
  [[ -n $WIN ]] || fail "no game window: $(tail -5 "$WORK/game.out")"
  eval "$(xdotool getwindowgeometry --shell "$WIN" 2>/dev/null)" || return 0
  MENU=$((HEIGHT - 442))
}

# SIGKILL at a random instant within the next $1 milliseconds.
arm_kill() {
  [[ -n $KILLER ]] && return
  local ms=$((RANDOM % $1)) pid=$GAMEPID born
  # Bash reaps an ended game at once: the killer checks that the pid is still this game's.
  born=$(cut -d' ' -f22 "/proc/$pid/stat" 2>/dev/null) || born=gone
  (
    sleep "$((ms / 1000)).$(printf %03d $((ms % 1000)))"
    [[ $(cut -d' ' -f22 "/proc/$pid/stat" 2>/dev/null) == "$born" ]] && kill -KILL "$pid" 2>/dev/null
    true
  ) &
  KILLER=$!
}

# Waits for the game's end (its killer first, so the pid is not reused under it).
reap() {
  local status=0
  [[ -z $KILLER ]] || wait "$KILLER" || true
  KILLER=
  { wait "$GAMEPID"; } 2>/dev/null || status=$?
  case $status in
    0) ;;
    137) KILLS=$((KILLS + 1)) ;;
    *) fail "the game ended with status $status: $(tail -5 "$WORK/game.out")" ;;
  esac
}

# What the cabinet waits for: table (the bet buttons lit), collect, gamble (the panel up),
# busy (a game or a feature running), or dead.
look() {
  alive || { echo dead; return; }
  shot look
  if [[ $(state_of "$LAST_SHOT" bet1) == lit ]]; then
    echo table
  elif [[ $(state_of "$LAST_SHOT" collect) == lit ]]; then
    echo collect
  elif [[ $(state_of "$LAST_SHOT" panel) == lit ]]; then
    echo gamble
  else
    echo busy
  fi
}

# The gamble's state from its journal: open (no card yet), won or lost (the last card).
gamble_state() {
  case $(jfield phase) in
    4) echo open ;;
    5) [[ $(jfield "draw$(jfield draws)" | cut -d' ' -f3) == 1 ]] && echo won || echo lost ;;
    *) echo other ;;
  esac
}

# The script: fixed steps at the table. Games go through every line count and four bets; a
# SIGTERM and the exit command end runs on the way.
STEPS=(coin coin coin quick)
lines=(1 5 10 20 25)
bets=(1 2 3 5)
for ((g = 0; g < 40; g++)); do
  STEPS+=("game ${lines[g % 5]} ${bets[(g / 5) % 4]}")
  ((g == 12)) && STEPS+=(term)
  ((g == 20)) && STEPS+=(coin)
  ((g == 26)) && STEPS+=(exit)
done
STEPS+=(exit)

# Chooses the next action from what the screen and the files show; the same state always
# gives the same choice, so both runs take the same path.
decide() { # look
  case $1 in
    collect) echo collect ;;
    gamble)
      case $(gamble_state) in
        open) echo "draw $(($(rfield games) % 4))" ;;
        won) echo takewin ;;
        *) echo wait ;;
      esac
      ;;
    table)
      if [[ $(state_of "$SHOTS/look.png" double) == lit ]] && (($(rfield games) % 3 != 0)); then
        echo double
      else
        echo "step ${STEPS[STEP]}"
      fi
      ;;
    *) echo wait ;;
  esac
}

BEFORE_SEQ= BEFORE_INVESTED= BEFORE_GAMES=
remember() {
  BEFORE_SEQ=$(jfield sequence)
  BEFORE_INVESTED=$(rfield amountinvested)
  BEFORE_GAMES=$(games_decided)
}

# Whether the action's decision reached the disk.
took_effect() { # action...
  case $1 in
    step)
      case $2 in
        coin | quick) [[ $(rfield amountinvested) != "$BEFORE_INVESTED" ]] ;;
        game) (($(games_decided) > BEFORE_GAMES)) ;;
        *) [[ $(jfield sequence) != "$BEFORE_SEQ" ]] ;;
      esac
      ;;
    *) [[ $(jfield sequence) != "$BEFORE_SEQ" ]] ;;
  esac
}

# A menu item; a game killed meanwhile has no menu bar, and that is no failure.
menu() { # n
  (press_menu "$1") 2>"$WORK/menu.err" && return 0
  alive && fail "$(cat "$WORK/menu.err")"
  return 0
}

act() { # action...
  case $1 in
    collect | double | takewin) press "$1" ;;
    draw)
      local bets=(red black suit1 suit2)
      press "${bets[$2]}"
      ;;
    step)
      case $2 in
        coin) press coin ;;
        quick) menu 5 ;;
        game)
          press "lines$3"
          press "bet$4"
          ;;
        # A kill armed at the start-up may have ended the game since it was looked at.
        term) kill -TERM "$GAMEPID" 2>/dev/null || true ;;
        exit) menu 6 ;;
      esac
      ;;
  esac
}

# How long an action takes, roughly: its kill falls anywhere in it or just after.
span_of() {
  case $1 in
    step) [[ $2 == game ]] && echo 1500 || echo 500 ;;
    draw) echo 1000 ;;
    *) echo 500 ;;
  esac
}

# Plays the script in the current folders; MODE kills ends each run by SIGKILL after one action.
play_session() {
  STEP=0
  local state action waits
  while ((STEP < ${#STEPS[@]})); do
    alive || launch
    waits=0
    while :; do
      state=$(look)
      [[ $state == dead ]] && break
      action=$(decide "$state")
      [[ $action != wait ]] && break
      ((waits++ < 1500)) || fail "the cabinet never came to rest ($STEP: ${STEPS[STEP]})"
      sleep 0.1
    done
    if [[ $state == dead ]]; then
      reap
      continue
    fi
    remember
    read -ra words <<<"$action"
    note "$MODE $SECONDS s: step $STEP, $action"
    act "${words[@]}"
    if [[ $MODE == kills ]]; then
      arm_kill "$(span_of "${words[@]}")"
      reap
    elif [[ ${words[1]:-} == term || ${words[1]:-} == exit ]]; then
      wait_for 300 eval '! alive' || fail "${words[1]} did not end the game"
      reap
    elif [[ ${words[0]} == takewin ]]; then
      # TAKE WIN answers only once the win's banner has come in; a second click, after it
      # closed the panel, falls on the reels.
      waits=0
      until wait_for 20 took_effect takewin; do
        ((waits++ < 60)) || fail "TAKE WIN changed nothing"
        press takewin
      done
    else
      wait_for 600 took_effect "${words[@]}" || fail "$action changed nothing"
    fi
    if [[ ${words[0]} == step ]] && took_effect "${words[@]}"; then
      STEP=$((STEP + 1))
    fi
  done
  alive && fail "the script ended with the game running"
  return 0
}

# The recall without its wall-clock times.
timeless_recall() {
  sed -E 's/"when": *"[^"]*"/"when":""/g' "$RECALL"
}

# --- the common start: a first run writes the generator's state into the journal ----------
use_folders base
mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$HOME" "$XDG_STATE_HOME"
# The fastest reels, and the win counter off: the session's pace is the game's, not a test's.
printf '[player1]\nreelspeed=10\nwinroll=0\n' >"$RECORDS"
MODE=clean
launch
wait_for 200 eval '[[ -n $(jfield rng) ]]' || fail "the first start kept no generator state"
kill -TERM "$GAMEPID"
reap
note "generator $(jfield rng)"
cp -a "$WORK/base" "$WORK/clean"
cp -a "$WORK/base" "$WORK/killed"

use_folders clean
started=$SECONDS
play_session
note "uninterrupted: ${#STEPS[@]} steps, games $(rfield games), in $((SECONDS - started)) s"
CLEAN_RECORD=$(cat "$RECORDS")
CLEAN_RECALL=$(timeless_recall)

use_folders killed
MODE=kills
started=$SECONDS
play_session
note "the session took $KILLS kills"
# A session that needed fewer goes on with kills during the start alone, which must change
# nothing either.
while ((KILLS < MIN_KILLS)); do
  launch
  arm_kill 2000
  reap
done
note "with $KILLS kills: games $(rfield games), in $((SECONDS - started)) s"

[[ $(cat "$RECORDS") == "$CLEAN_RECORD" ]] ||
  fail "the records differ (seed $SEED):$(diff <(echo "$CLEAN_RECORD") "$RECORDS")"
[[ $(timeless_recall) == "$CLEAN_RECALL" ]] ||
  fail "the recalls differ (seed $SEED):$(diff <(echo "$CLEAN_RECALL") <(timeless_recall))"
note "record: $(echo $CLEAN_RECORD)"
echo PASS
