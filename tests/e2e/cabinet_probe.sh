# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Looks at the cabinet on the virtual screen the way a player does: which controls are where,
# shown or hidden, lit or dimmed. A control is recognised by its own picture (normalised cross
# correlation, so a dimmed face still matches) and judged lit by its brightness against it.
# Needs: WORK, SHOTS (where screenshots go), PICTURES (the game's assets/pictures), MENU (height of the menu bar in pixels).
# A cabinet drawn larger sets SCALE (2: its pictures are the "@2x" ones) and CLIENT_X, CLIENT_Y
# (the screen pixel where its client area begins).
SCALE=${SCALE:-1}

# Control rectangles in the client area, in pixels (twips / 15): "x y w h picture", or, for a
# panel mostly covered by its own controls, "x y w h picture W H DX DY": the part at DX,DY of
# the picture stretched to W x H (the panel's frame, which nothing covers).
declare -A CONTROL=(
  [lines1]="9 360 89 40 buttons/lines1.png"
  [lines5]="97 360 89 40 buttons/lines5.png"
  [lines25]="361 360 89 40 buttons/lines25.png"
  [coin]="449 360 89 40 buttons/insertcoin.png"
  [double]="537 360 93 80 buttons/doubleup.png"
  [bet1]="9 400 89 40 buttons/bet1.png"
  [bet2]="97 400 89 40 buttons/bet2.png"
  [bet3]="185 400 89 40 buttons/bet3.png"
  [bet5]="273 400 89 40 buttons/bet5.png"
  [bet10]="361 400 89 40 buttons/bet10.png"
  [bet20]="449 400 89 40 buttons/bet20.png"
  [collect]="368 376 141 40 buttons/collect.png"
  [panel]="196 367 256 14 gamble/panel.png 256 377 0 363"
  [red]="200 236 68 30 gamble/red.png"
  [takewin]="269 236 104 30 gamble/takewin.png"
)

shot() { # name: the whole screen now, kept as $SHOTS/NAME.png
  mkdir -p "$SHOTS"
  import -window root "$SHOTS/$1.png"
  LAST_SHOT="$SHOTS/$1.png"
}

# "similarity brightness-ratio" of a control's place in the shot against its picture.
probe() { # shot control
  read -r x y w h pic pw ph dx dy <<<"${CONTROL[$2]}"
  local crop="$WORK/probe-crop.png" face="$WORK/probe-face.png" s=$SCALE
  ((s > 1)) && pic=${pic%.png}@2x.png
  convert "$1" -crop "$((w * s))x$((h * s))+$((${CLIENT_X:-0} + x * s))+$((${CLIENT_Y:-MENU} + y * s))" \
    +repage "$crop"
  convert "$PICTURES/$pic" -resize "$((${pw:-$w} * s))x$((${ph:-$h} * s))!" \
    -crop "$((w * s))x$((h * s))+$((${dx:-0} * s))+$((${dy:-0} * s))" +repage "$face"
  local ncc lit
  ncc=$(compare -metric NCC "$crop" "$face" null: 2>&1 || true)
  lit=$(convert "$crop" "$face" -colorspace gray -format '%[fx:mean]\n' info: |
    awk 'NR == 1 { a = $1 } NR == 2 { b = $1 } END { printf "%.3f", (b > 0 ? a / b : 0) }')
  echo "$ncc $lit"
}

# shown: the control's picture is at its place; lit: shown and not dimmed as disabled.
state_of() { # shot control -> hidden | dimmed | lit
  read -r ncc lit <<<"$(probe "$1" "$2")"
  awk -v n="$ncc" -v l="$lit" 'BEGIN {
    if (n < 0.9) print "hidden"; else if (l < 0.8) print "dimmed"; else print "lit" }'
}

expect_state() { # shot control state why
  local got
  got=$(state_of "$1" "$2")
  [[ $got == "$3" ]] || fail "$4: $2 is $got, expected $3 ($(probe "$1" "$2")) in $1"
}

# Clicks the middle of a control, as the player's mouse would.
press() { # control
  read -r x y w h _ <<<"${CONTROL[$1]}"
  xdotool mousemove $((${CLIENT_X:-0} + (x + w / 2) * SCALE)) \
    $((${CLIENT_Y:-MENU} + (y + h / 2) * SCALE)) click 1
}

# The menu bar's items as "left right" pixel columns, found as runs of text separated by more
# than a word gap: the bar's own layout, whatever the font's widths.
menu_items() {
  import -window root -crop "639x${MENU}+0+0" +repage "$WORK/menubar.png"
  convert "$WORK/menubar.png" -colorspace gray -negate -threshold 40% -scale '639x1!' txt:- |
    awk -F'[,:( ]+' 'NR > 1 {
      x = $1; if ($4 + 0 > 0) { if (!on) { s = x; on = 1 } last = x }
      else if (on && x - last > 8) { print s, last; on = 0 } }
      END { if (on) print s, last }'
}

# Clicks the n-th item of the menu bar: 1 about, 2 Zero Credit, 3 Paytable, 4 Options,
# 5 Quick Credit, 6 exit, 7 Recall, 8 Odds, 9 Statement.
press_menu() { # n
  local items left right tries
  # A window that has just closed may leave the bar unpainted for a moment on a busy machine.
  for tries in 1 2 3 4 5 6 7 8 9 10; do
    items=$(menu_items)
    [[ $(wc -l <<<"$items") -eq 9 ]] && break
    sleep 0.2
  done
  [[ $(wc -l <<<"$items") -eq 9 ]] || fail "the menu bar shows $(wc -l <<<"$items") items, not 9"
  read -r left right <<<"$(sed -n "${1}p" <<<"$items")"
  xdotool mousemove $(((left + right) / 2)) $((MENU / 2)) click 1
}

# After a bet the bet buttons dim while the reels turn; the game is over when they are lit
# again. A feature hides them until COLLECT appears, which is then pressed.
finish_game() {
  local tries=0
  wait_for 30 eval "[[ \$(shot busy; state_of \$LAST_SHOT bet1) != lit ]]" || return 0
  while ((tries++ < 600)); do
    shot busy
    [[ $(state_of "$LAST_SHOT" bet1) == lit ]] && return 0
    if [[ $(state_of "$LAST_SHOT" collect) == lit ]]; then
      note "a feature ended: collect"
      press collect
    fi
    sleep 0.3
  done
  fail "a game never finished"
}
