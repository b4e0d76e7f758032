#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real game on a virtual X screen with its record and recall files in odd places:
#   fifo      a FIFO as aust.ini and as recall-player1.json: the cabinet opens all the same, and
#             SIGTERM, SIGINT and SIGHUP each end the game; the FIFO is set aside.
#   links     aust.ini as a symlink to a text file that is no record (kept as aust.ini.damaged
#             before the save writes) and to a record in another folder (saved there).
#   fulldisk  the config folder on a 64 KiB tmpfs: with one page free a coin is stored; with
#             none the player is told, and the record stays byte for byte as it was, also
#             after SIGTERM; the next start, with room again, stores what the journal kept. Needs root
#             to mount the tmpfs, and skips (77) where mounting is refused.
# Usage: record_files_session.sh PATH/TO/slots_tarnix fifo|links|fulldisk
GAME=$1
CASE=$2
HERE=$(dirname "$0")
source "$HERE/../platform/lib.sh"
export XDG_RUNTIME_DIR="$WORK/run" HOME="$WORK/home" XDG_STATE_HOME="$WORK/state"
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$HOME" "$XDG_STATE_HOME/slots_tarnix"
MENU=0

RECORD='[player1]
amountinvested=10000
bank=10000
currentplayer=MAUD
games=31
reelspeed=4
total=275
wager=350
winroll=1
'

# Starts the game with its records in $1 and waits for its cabinet; GAMEPID is set.
launch() { # config-folder
  XDG_CONFIG_HOME=$1 "$GAME" >"$WORK/game.out" 2>&1 &
  GAMEPID=$!
  STARTED_PIDS+=("$GAMEPID")
  # A game stuck in an open() would not end by SIGTERM at the cleanup.
  wait_for 300 xdotool search --onlyvisible --name '^Current Player' ||
    { kill -KILL "$GAMEPID"; fail "no cabinet within 30 s: $(cat "$WORK/game.out")"; }
  WIN=$(xdotool search --onlyvisible --name '^Current Player' | head -1)
  eval "$(xdotool getwindowgeometry --shell "$WIN")"
  MENU=$((HEIGHT - 442))
  sleep 1 # the first paint
}

# Clicks the cabinet's Insert Coin button (x 449..538, y 360..400 in its client area).
coin() {
  xdotool mousemove 493 $((MENU + 380)) click 1
}

# Ends the game with a signal and expects it gone, cleanly, within ten seconds.
quit_with() { # signal
  kill "-$1" "$GAMEPID"
  wait_for 100 eval "! kill -0 $GAMEPID" || { kill -KILL "$GAMEPID"; fail "SIG$1 did not end the game"; }
  local status=0
  wait "$GAMEPID" || status=$?
  [[ $status -eq 0 ]] || fail "the game ended with status $status after SIG$1: $(cat "$WORK/game.out")"
}

bank_in() { sed -n 's/^bank=//p' "$1"; }

start_xvfb

case $CASE in
fifo)
  for sig in TERM INT HUP; do
    config="$WORK/config-$sig"
    mkdir -p "$config"
    mkfifo "$config/aust.ini"
    launch "$config"
    quit_with "$sig"
    [[ -p $config/aust.ini.damaged ]] || fail "SIG$sig: the FIFO was not set aside"
    [[ -f $config/aust.ini && ! -L $config/aust.ini ]] || fail "SIG$sig: no record was stored"
    note "a FIFO as aust.ini: the cabinet opened, SIG$sig ended it, the FIFO is aust.ini.damaged"
  done
  recall="$XDG_STATE_HOME/slots_tarnix/recall-player1.json"
  for sig in TERM INT HUP; do
    rm -f "$recall" "$recall".damaged*
    mkfifo "$recall"
    mkdir -p "$WORK/config-recall"
    launch "$WORK/config-recall"
    quit_with "$sig"
    [[ -p $recall.damaged ]] || fail "SIG$sig: the recall FIFO was not set aside"
    note "a FIFO as recall-player1.json: the cabinet opened, SIG$sig ended it"
  done
  ;;
links)
  config="$WORK/config"
  mkdir -p "$config" "$WORK/dotfiles"
  printf 'root:x:0:0:root:/root:/bin/bash\nbin:x:2:2:bin:/bin:/usr/sbin/nologin\n' >"$WORK/passwd"
  cp "$WORK/passwd" "$WORK/passwd.before"
  ln -s "$WORK/passwd" "$config/aust.ini"
  launch "$config"
  coin
  wait_for 100 test -e "$config/aust.ini.damaged" || fail "no damaged copy after a coin"
  quit_with TERM
  cmp -s "$config/aust.ini.damaged" "$WORK/passwd.before" ||
    fail "the damaged copy is not the file the link led to"
  note "a link to a text file: kept as aust.ini.damaged before the save"

  rm -rf "$config"
  mkdir -p "$config"
  printf '%s' "$RECORD" >"$WORK/dotfiles/aust.ini"
  ln -s "$WORK/dotfiles/aust.ini" "$config/aust.ini"
  launch "$config"
  coin
  wait_for 100 eval "[[ \$(bank_in '$WORK/dotfiles/aust.ini') == 10020 ]]" ||
    fail "the coin did not reach the linked record: $(cat "$WORK/dotfiles/aust.ini")"
  quit_with TERM
  [[ -L $config/aust.ini ]] || fail "the link was replaced by a file"
  [[ ! -e $config/aust.ini.damaged ]] || fail "a real record behind a link was called damaged"
  note "a link to a record in another folder: saved there, the link kept"
  ;;
fulldisk)
  config="$WORK/config"
  mkdir -p "$config"
  if ! mount -t tmpfs -o size=64k,mode=700 tmpfs "$config" 2>"$WORK/mount.err"; then
    echo "SKIP: a tmpfs cannot be mounted here: $(cat "$WORK/mount.err")"
    exit 77
  fi
  # The game must be gone before its folder can be unmounted.
  unmount_and_clean() {
    local pid
    for pid in "${STARTED_PIDS[@]}"; do
      kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
    done
    umount "$config" || echo "could not unmount $config" >&2
    cleanup
  }
  trap unmount_and_clean EXIT
  printf '%s' "$RECORD" >"$config/aust.ini"
  # Fills the disk, then frees what is left beyond $1 pages.
  fill() { # pages
    rm -f "$config/filler" "$config/filler2"
    dd if=/dev/zero of="$config/filler" bs=4096 2>/dev/null || true
    dd if=/dev/zero of="$config/filler2" bs=1 2>/dev/null || true
    if (($1 > 0)); then
      truncate -s "-$(($1 * 4096))" "$config/filler"
    fi
  }
  fill 1
  launch "$config"
  coin
  wait_for 100 eval "[[ \$(bank_in '$config/aust.ini') == 10020 ]]" ||
    fail "with one page free the coin was not stored: $(cat "$config/aust.ini"; cat "$WORK/game.out")"
  note "one page free: the coin was stored"
  fill 0
  cp "$config/aust.ini" "$WORK/record.before"
  coin
  wait_for 100 xdotool search --onlyvisible --name '^Slots_Tarnix$' ||
    fail "the full disk was not reported: $(cat "$WORK/game.out")"
  grep -q "player details can't be saved" "$WORK/game.out" || fail "no notice on standard error"
  cmp -s "$config/aust.ini" "$WORK/record.before" || fail "the record changed on a full disk"
  [[ $(ls -A "$config" | grep -c '^aust\.ini\.') -eq 0 ]] || fail "a temporary was left: $(ls -A "$config")"
  note "no room: the player was told, the record is byte for byte as it was"
  quit_with TERM
  cmp -s "$config/aust.ini" "$WORK/record.before" || fail "the record changed at the SIGTERM"
  note "SIGTERM on the full disk: the record is still as it was"
  rm -f "$config/filler" "$config/filler2"
  launch "$config"
  # The coin the full disk refused to store was kept by the journal of the game in progress
  # (on another disk here): the next start resumes it and stores it, so it is not lost either.
  wait_for 100 eval "[[ \$(bank_in '$config/aust.ini') == 10040 ]]" ||
    fail "the next start lost the record or the coin: $(cat "$config/aust.ini")"
  coin
  wait_for 100 eval "[[ \$(bank_in '$config/aust.ini') == 10060 ]]" || fail "with room again nothing was stored"
  quit_with TERM
  grep -q '^currentplayer=MAUD$' "$config/aust.ini" || fail "the name was lost"
  note "with room again the next save stored the record"
  ;;
*)
  fail "unknown case $CASE"
  ;;
esac
echo PASS
