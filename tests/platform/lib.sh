# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the platform test scripts: private servers that the calling script owns and stops.
# Every server gets its own temporary home, so nothing of the user's desktop is touched.

set -euo pipefail

WORK=$(mktemp -d "${TMPDIR:-/tmp}/tarnix-platform.XXXXXX")
STARTED_PIDS=()

cleanup() {
  local pid
  for pid in "${STARTED_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${STARTED_PIDS[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

note() {
  echo "-- $*"
}

# Waits up to $1 tenths of a second for the command after it to succeed.
wait_for() {
  local tries=$1
  shift
  while ((tries-- > 0)); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# A sound server with one silent sink, "tarnix", whose monitor the tests record.
start_pulse() {
  mkdir -p "$WORK/pulse-run" "$WORK/pulse-home"
  PULSE_SOCKET="$WORK/pulse-run/native"
  XDG_RUNTIME_DIR="$WORK/pulse-run" HOME="$WORK/pulse-home" \
    pulseaudio --daemonize=no --system=no --use-pid-file=no --exit-idle-time=-1 -n \
    --disable-shm=yes --log-target=stderr --log-level=error \
    --load="module-null-sink sink_name=tarnix rate=44100 channels=1" \
    --load="module-native-protocol-unix socket=$PULSE_SOCKET auth-anonymous=1" \
    >"$WORK/pulse.log" 2>&1 &
  STARTED_PIDS+=($!)
  export PULSE_SERVER="unix:$PULSE_SOCKET"
  wait_for 100 pactl info || { cat "$WORK/pulse.log" >&2; fail "the private sound server did not start"; }
}

# A virtual screen of 1024 x 768 (or the size given, as WIDTHxHEIGHT) that also offers
# 800 x 600 and 640 x 480, as a real monitor would; DISPLAY is set for the rest of the script.
start_xvfb() { # [size]
  # Xvfb picks a free display number itself and reports it, so parallel runs never meet.
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -noreset -nolisten tcp \
    3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
  STARTED_PIDS+=($!)
  wait_for 100 test -s "$WORK/display" || fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"
  export DISPLAY=":$(head -1 "$WORK/display")"
  wait_for 100 xrandr -q || fail "Xvfb on $DISPLAY does not answer"
  XOUTPUT=$(xrandr -q | awk '/ connected/ {print $1; exit}')
  [[ -n $XOUTPUT ]] || fail "the virtual screen has no output"
  xrandr --newmode 800x600 40.00 800 840 968 1056 600 601 605 628 +hsync +vsync
  xrandr --newmode 640x480 25.18 640 656 752 800 480 490 492 525 -hsync -vsync
  xrandr --addmode "$XOUTPUT" 800x600
  xrandr --addmode "$XOUTPUT" 640x480
}

# The screen size in force, as "WIDTHxHEIGHT".
screen_size() {
  xrandr -q | sed -n 's/.* current \([0-9]*\) x \([0-9]*\),.*/\1x\2/p'
}

# Ends a game with SIGTERM, as a desktop's logout does, and expects a clean exit.
terminate_game() { # pid log-file
  kill -TERM "$1"
  wait_for 100 eval "! kill -0 $1" || fail "SIGTERM did not end the game"
  local status=0
  wait "$1" || status=$?
  [[ $status -eq 0 ]] || fail "the game ended with status $status after SIGTERM: $(cat "$2")"
}
