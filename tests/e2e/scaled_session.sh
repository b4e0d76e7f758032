#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The cabinet on a 1920 x 1080 screen that offers no 800 x 600: drawn at twice its size, full
# screen and centred on black, with its pictures from the 2x set, played by mouse and space
# bar at the scaled places, and the screen's mode never touched.
# Usage: scaled_session.sh PATH/TO/slots_tarnix [SHOTS_DIR]
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

# The command line answers before anything starts: no display is needed for it.
status=0
DISPLAY= "$GAME" --scale 7 >"$WORK/refused.out" 2>&1 || status=$?
((status == 2)) && [[ $(wc -l <"$WORK/refused.out") == 1 ]] ||
  fail "--scale 7 gave status $status and: $(cat "$WORK/refused.out")"
DISPLAY= "$GAME" --version | grep -q '^slots_tarnix [0-9]' || fail "--version printed no version"
DISPLAY= "$GAME" --help | grep -q -- '--scale auto|1|2|3|4' || fail "--help does not list --scale"
note "--scale 7 refused in one line with status 2; --help and --version answer"

Xvfb -displayfd 3 -screen 0 1920x1080x24 -noreset -nolisten tcp 3>"$WORK/display" \
  >"$WORK/xvfb.log" 2>&1 &
STARTED_PIDS+=($!)
wait_for 100 test -s "$WORK/display" || fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"
export DISPLAY=":$(head -1 "$WORK/display")"
wait_for 100 xrandr -q || fail "Xvfb on $DISPLAY does not answer"
xrandr -q | grep -q ' 800x600' && fail "the test screen offers 800 x 600"
MODE_BEFORE=$(xrandr -q | head -3)

"$GAME" --verbose >"$WORK/game.out" 2>&1 &
GAMEPID=$!
STARTED_PIDS+=("$GAMEPID")
wait_for 200 xdotool search --name '^Current Player' || fail "no game window: $(cat "$WORK/game.out")"
WIN=$(xdotool search --name '^Current Player' | head -1)
eval "$(xdotool getwindowgeometry --shell "$WIN")"
[[ $X == 0 && $Y == 0 && $WIDTH == 1920 && $HEIGHT == 1080 ]] ||
  fail "the window is ${WIDTH}x$HEIGHT at $X,$Y, not the whole screen"
grep -q 'platform xcb, screen 1920 x 1080, mode not switched .*, factor 2, full screen' \
  "$WORK/game.out" || fail "the game reports: $(cat "$WORK/game.out")"
note "$(head -1 "$WORK/game.out")"
sleep 1.5 # the first paint

# The cabinet is black-framed: its menu bar begins at the first lit row, its client area ends
# at the last, and it is 2 x 639 pixels wide in the middle of the screen.
shot start
rows=$(convert "$LAST_SHOT" -crop 1x1080+960+0 +repage -colorspace gray txt:- |
  awk -F'[,:( ]+' 'NR > 1 && $4 + 0 > 3 { if (first == "") first = $2; last = $2 }
    END { print first, last }')
read -r top bottom <<<"$rows"
SCALE=2
CLIENT_X=$((2 * ((1920 / 2 - 639) / 2))) # the margins are whole logical pixels
CLIENT_Y=$((bottom + 1 - 2 * 442))
MENU=$(((CLIENT_Y - top) / 2))
((MENU > 10 && MENU < 30)) || fail "no menu bar above the client area (lit rows $rows)"
((top > 50 && 1080 - bottom > 50)) || fail "the cabinet is not centred (lit rows $rows)"
for corner in "+0+0" "+1900+1060" "+$((CLIENT_X - 20))+540" "+$((CLIENT_X + 2 * 639 + 4))+540"; do
  level=$(convert "$LAST_SHOT" -crop "16x16$corner" +repage -colorspace gray -format '%[fx:maxima]' info:)
  awk -v l="$level" 'BEGIN { exit !(l < 0.02) }' || fail "the surround at $corner is not black ($level)"
done
note "cabinet at $CLIENT_X,$CLIENT_Y under a menu bar of $MENU, on black"

# The cabinet's frame at its scaled place: the rows of the background that nothing covers.
CONTROL[frame-top]="40 0 560 3 background.png 639 442 40 0"
CONTROL[frame-deck]="40 354 560 6 background.png 639 442 40 354"
for c in frame-top frame-deck lines1 lines25 coin bet1 bet20; do
  expect_state "$LAST_SHOT" "$c" lit "at the start, drawn at 2x"
done
expect_state "$LAST_SHOT" double dimmed "at the start, drawn at 2x"

# No pixel steps: the first reel's top cell is the 2x strip's own pixels, which match better
# than the 1x cell enlarged.
cell="$WORK/cell.png"
convert "$LAST_SHOT" -crop "200x200+$((CLIENT_X + 106))+$((CLIENT_Y + 106))" +repage "$cell"
sharp=$(compare -metric RMSE "$cell" \( "$PICTURES/reels/reel1@2x.png" -crop 200x200+0+0 +repage \) \
  null: 2>&1 | sed 's/.*(\(.*\))/\1/' || true)
soft=$(compare -metric RMSE "$cell" \( "$PICTURES/reels/reel1.png" -crop 100x100+0+0 +repage \
  -resize 200x200 \) null: 2>&1 | sed 's/.*(\(.*\))/\1/' || true)
awk -v a="$sharp" -v b="$soft" 'BEGIN { exit !(a < 0.02 && a < b / 3) }' ||
  fail "the reel cell is not the 2x picture (error $sharp, against $soft for the 1x enlarged)"
note "reel cell drawn from the 2x set (error $sharp; the 1x enlarged would be $soft)"

# A coin at its scaled place changes the credit meter; games by mouse and space bar are stored.
convert "$LAST_SHOT" -crop "200x56+$((CLIENT_X + 106))+$((CLIENT_Y + 40))" +repage "$WORK/credit-0.png"
press coin
sleep 0.7
shot coin
convert "$LAST_SHOT" -crop "200x56+$((CLIENT_X + 106))+$((CLIENT_Y + 40))" +repage "$WORK/credit-1.png"
changed=$(compare -metric AE "$WORK/credit-0.png" "$WORK/credit-1.png" null: 2>&1 || true)
((${changed%%.*} > 50)) || fail "the coin click left the credit meter as it was ($changed pixels)"
note "a coin click at the scaled place changed the credit ($changed pixels)"
# The space bar repeats the last bet, so the first game is a click.
press lines5
press bet1
finish_game
xdotool key space
finish_game
sleep 0.5
kill -TERM "$GAMEPID"
wait_for 100 eval "! kill -0 $GAMEPID" || fail "the game did not end on SIGTERM"
status=0
wait "$GAMEPID" || status=$?
((status == 0)) || fail "the game ended with status $status: $(cat "$WORK/game.out")"
[[ $(sed -n 's/^games=//p' "$RECORDS") == 2 ]] || fail "the two games were not stored: $(cat "$RECORDS")"
[[ $(sed -n 's/^amountinvested=//p' "$RECORDS") == 20 ]] || fail "the coin was not stored: $(cat "$RECORDS")"
note "one coin and two games, by a click and by the space bar, stored"
[[ $(xrandr -q | head -3) == "$MODE_BEFORE" ]] || fail "the screen mode changed: $(xrandr -q | head -3)"
note "the screen mode is as it was"

# A 120 DPI desktop still gets the large-fonts warning: the font check sees the screen's own
# DPI, and the warning comes at the cabinet's own size, with the screen left alone.
cp "$RECORDS" "$WORK/kept.ini"
QT_FONT_DPI=120 "$GAME" --verbose >"$WORK/dpi.out" 2>&1 &
DPIPID=$!
STARTED_PIDS+=("$DPIPID")
wait_for 100 xdotool search --name 'LARGE FONTS BEING USED' || fail "no warning at 120 DPI: $(cat "$WORK/dpi.out")"
grep -q 'not at 96 DPI), factor 1,' "$WORK/dpi.out" || fail "at 120 DPI the game reports: $(cat "$WORK/dpi.out")"
kill -TERM "$DPIPID"
wait_for 100 eval "! kill -0 $DPIPID" || fail "the warning did not end on SIGTERM"
cmp -s "$RECORDS" "$WORK/kept.ini" || fail "the record changed under the warning: $(cat "$RECORDS")"
[[ $(xrandr -q | head -3) == "$MODE_BEFORE" ]] || fail "the warning changed the screen mode"
note "at 120 DPI: the warning, nothing stored, the mode untouched"
echo PASS
