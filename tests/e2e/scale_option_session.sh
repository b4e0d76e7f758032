#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# --scale on a 1920 x 1080 screen that also offers 800 x 600: the mode is never switched, the
# cabinet is whole on the screen at every factor asked for, and its buttons answer where they
# are drawn. 3 and 4 do not fit that screen: the game says so in one line on standard error
# and draws the largest factor that does (2).
# Usage: scale_option_session.sh PATH/TO/slots_tarnix [SHOTS_DIR]
GAME=$1
HERE=$(dirname "$0")
source "$HERE/../platform/lib.sh"
source "$HERE/cabinet_probe.sh"
SHOTS=${2:-$WORK/shots}
PICTURES=$(cd "$HERE/../../assets/pictures" && pwd)
export XDG_RUNTIME_DIR="$WORK/run" XDG_CONFIG_HOME="$WORK/config" HOME="$WORK/home"
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
unset WAYLAND_DISPLAY QT_SCALE_FACTOR
mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$HOME"
RECORDS="$XDG_CONFIG_HOME/aust.ini"

start_xvfb 1920x1080
xrandr -q | grep -q ' 800x600' || fail "the test screen does not offer 800 x 600"
[[ $(screen_size) == 1920x1080 ]] || fail "the test screen is $(screen_size)"

# Starts the game with the options given and waits for its window; GAMEPID, OUT and ERR name
# it and its output.
start_game() { # name option...
  local name=$1
  shift
  OUT="$WORK/$name.out" ERR="$WORK/$name.err"
  "$GAME" --verbose "$@" >"$OUT" 2>"$ERR" &
  GAMEPID=$!
  STARTED_PIDS+=("$GAMEPID")
  wait_for 200 xdotool search --name '^Current Player' ||
    fail "$name: no game window: $(cat "$OUT" "$ERR")"
  WIN=$(xdotool search --name '^Current Player' | head -1)
}

# The game's window fills the screen and the cabinet, black-framed, lies whole inside it;
# sets CLIENT_X, CLIENT_Y and MENU for the probes.
find_scaled_cabinet() { # name
  eval "$(xdotool getwindowgeometry --shell "$WIN")"
  [[ $X == 0 && $Y == 0 && $WIDTH == 1920 && $HEIGHT == 1080 ]] ||
    fail "$1: the window is ${WIDTH}x$HEIGHT at $X,$Y, not the whole screen"
  # Lit rows down the middle column, once the cabinet is painted: its menu bar to its client
  # area's last row.
  local rows="" top bottom
  cabinet_rows() {
    shot "$1-frame"
    rows=$(convert "$LAST_SHOT" -crop 1x1080+960+0 +repage -colorspace gray txt:- |
      awk -F'[,:( ]+' 'NR > 1 && $4 + 0 > 3 { if (first == "") first = $2; last = $2 }
        END { if (first != "") print first, last }')
    read -r top bottom <<<"$rows"
    [[ -n $rows ]] && ((bottom - top > 2 * 442))
  }
  wait_for 100 cabinet_rows "$1" || fail "$1: no cabinet in the middle of the screen (lit rows $rows)"
  ((top > 20 && 1079 - bottom > 20)) || fail "$1: the cabinet is not whole on the screen (lit rows $rows)"
  CLIENT_X=$((2 * ((1920 / 2 - 639) / 2)))
  CLIENT_Y=$((bottom + 1 - 2 * 442))
  MENU=$(((CLIENT_Y - top) / 2))
  ((MENU > 10 && MENU < 30)) || fail "$1: no menu bar above the client area (lit rows $rows)"
}

# The credit meter's pixels, to see a coin arrive.
credit_meter() { # shot file
  convert "$1" -crop "$((100 * SCALE))x$((28 * SCALE))+$((CLIENT_X + 53 * SCALE))+$((CLIENT_Y + 20 * SCALE))" \
    +repage "$2"
}

credit_changed() { # name
  shot "$1-coin"
  credit_meter "$LAST_SHOT" "$WORK/credit-after.png"
  local changed
  changed=$(compare -metric AE "$WORK/credit-before.png" "$WORK/credit-after.png" null: 2>&1 || true)
  ((${changed%%.*} > 50))
}

coin_changes_credit() { # name
  credit_meter "$LAST_SHOT" "$WORK/credit-before.png"
  press coin
  wait_for 50 credit_changed "$1" || fail "$1: the coin click left the credit meter as it was"
}

end_game() { # name
  kill -TERM "$GAMEPID"
  wait_for 100 eval "! kill -0 $GAMEPID" || fail "$1: the game did not end on SIGTERM"
  local status=0
  wait "$GAMEPID" || status=$?
  ((status == 0)) || fail "$1: the game ended with status $status: $(cat "$OUT" "$ERR")"
  [[ $(screen_size) == 1920x1080 ]] || fail "$1: the screen was left at $(screen_size)"
}

# 2 fits: the mode stays as it is, not 800 x 600 with the doubled cabinet cut off.
SCALE=2
start_game scale2 --scale 2
[[ $(screen_size) == 1920x1080 ]] || fail "--scale 2 switched the screen to $(screen_size)"
grep -q 'screen 1920 x 1080, mode not switched (--scale given), factor 2, full screen' "$OUT" ||
  fail "--scale 2 reports: $(cat "$OUT")"
! grep -q 'does not fit' "$ERR" || fail "--scale 2 printed: $(cat "$ERR")"
find_scaled_cabinet scale2
for c in lines1 lines25 coin bet1 bet20; do
  expect_state "$LAST_SHOT" "$c" lit "--scale 2"
done
coin_changes_credit scale2
end_game scale2
note "--scale 2: the mode stays 1920 x 1080, the cabinet whole at 2x, a coin click counts"

# 1: the plain window at the top left, the mode still as it is.
SCALE=1
unset CLIENT_X CLIENT_Y
start_game scale1 --scale 1
[[ $(screen_size) == 1920x1080 ]] || fail "--scale 1 switched the screen to $(screen_size)"
grep -q 'mode not switched (--scale given), factor 1, window at the top left' "$OUT" ||
  fail "--scale 1 reports: $(cat "$OUT")"
eval "$(xdotool getwindowgeometry --shell "$WIN")"
MENU=$((HEIGHT - 442))
((X == 0 && Y == 0 && WIDTH == 639 && MENU > 10 && MENU < 40)) ||
  fail "--scale 1: the window is ${WIDTH}x$HEIGHT at $X,$Y"
CLIENT_X=0 CLIENT_Y=$MENU
bet_lit() { shot scale1-placed && [[ $(state_of "$LAST_SHOT" bet1) == lit ]]; }
wait_for 100 bet_lit || fail "--scale 1: bet1 is not lit at its place ($(probe "$LAST_SHOT" bet1))"
coin_changes_credit scale1
end_game scale1
note "--scale 1: the mode stays 1920 x 1080, the plain window at the top left"

# 3 and 4 would be 1917 x 1416 and 2556 x 1888: the largest that fits, 2, said in one line.
SCALE=2
games=0
for asked in 3 4; do
  start_game "scale$asked" --scale "$asked"
  [[ $(grep -c 'does not fit' "$ERR") == 1 ]] &&
    grep -Fxq "slots_tarnix: --scale $asked does not fit this 1920 x 1080 screen; drawn at 2x" "$ERR" ||
    fail "--scale $asked printed on standard error: $(cat "$ERR")"
  grep -q 'mode not switched (--scale given), factor 2, full screen' "$OUT" ||
    fail "--scale $asked reports: $(cat "$OUT")"
  find_scaled_cabinet "scale$asked"
  for c in lines1 lines25 coin bet1 bet20; do
    expect_state "$LAST_SHOT" "$c" lit "--scale $asked"
  done
  expect_state "$LAST_SHOT" double dimmed "--scale $asked"
  coin_changes_credit "scale$asked"
  press bet1
  finish_game
  games=$((games + 1))
  end_game "scale$asked"
  [[ $(sed -n 's/^games=//p' "$RECORDS") == "$games" ]] ||
    fail "--scale $asked: the game by a bet click was not stored: $(cat "$RECORDS")"
  note "--scale $asked: drawn at 2x and said so; a coin and a game by bet click, stored"
done
echo PASS
