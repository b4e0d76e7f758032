#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real game started where there is no display at all (a console, ssh without forwarding):
# it must say so in one line and end with status 1, not abort inside Qt.
# Usage: no_display.sh PATH/TO/slots_tarnix
set -uo pipefail
GAME=$1
WORK=$(mktemp -d "${TMPDIR:-/tmp}/tarnix-nodisplay.XXXXXX")
trap 'rm -rf "$WORK"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# A private home, so a mistaken start could not touch a real record.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$WORK" XDG_CONFIG_HOME="$WORK" \
  XDG_RUNTIME_DIR="$WORK" timeout 20 "$GAME" >"$WORK/out" 2>"$WORK/err"
status=$?
[[ $status -eq 1 ]] || fail "ended with status $status: $(cat "$WORK/err")"
[[ ! -s "$WORK/out" ]] || fail "wrote to standard output: $(cat "$WORK/out")"
lines=$(wc -l <"$WORK/err")
[[ $lines -eq 1 ]] || fail "said $lines lines instead of one: $(cat "$WORK/err")"
grep -q 'no display found' "$WORK/err" || fail "did not say what is missing: $(cat "$WORK/err")"
grep -q 'xvfb-run' "$WORK/err" || fail "did not say how to run it: $(cat "$WORK/err")"
[[ ! -e "$WORK/aust.ini" ]] || fail "stored a record although it never started"
echo "-- $(cat "$WORK/err")"
