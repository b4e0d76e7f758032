#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Measures the game's performance figures side by side in one run and prints them as the
# README's table: the cabinet on a virtual X screen (first paint, memory and processor at rest,
# spin time against its frame sleeps at reel speeds 1 and 10), the game at rest with its sound
# open, and tarnix-math's throughput.
# Usage: tools/perf-report.sh [BUILD_DIR]   (a Release build; ./test or ./play makes one)
set -euo pipefail
BUILD=${1:-build}
for exe in tarnix-bench tarnix-math; do
  [[ -x $BUILD/$exe ]] || { echo "no $BUILD/$exe: build first" >&2; exit 1; }
done
OUT=$(mktemp -d "${TMPDIR:-/tmp}/tarnix-perf.XXXXXX")
trap 'rm -rf "$OUT"' EXIT

QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
  "$BUILD/tarnix-bench" 30 >"$OUT/bench" 2>"$OUT/bench.err" ||
  { cat "$OUT/bench.err" >&2; exit 1; }
# The cabinet drawn at twice its size on a screen of today.
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp" \
  "$BUILD/tarnix-bench" 30 --scale 2 >"$OUT/bench2" 2>"$OUT/bench.err" ||
  { cat "$OUT/bench.err" >&2; exit 1; }

# Seconds of wall time a command takes.
timed() {
  local start end
  start=$(date +%s.%N)
  "$@" >"$OUT/last"
  end=$(date +%s.%N)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }'
}
json() { sed -n "s/^ *\"$1\": \([0-9.e+-]*\),*$/\1/p" "$2"; }

"$BUILD/tarnix-math" simulate --games 20000000 --seed 11 --threads 1 >"$OUT/sim1" 2>/dev/null
"$BUILD/tarnix-math" simulate --games 40000000 --seed 11 --threads 2 >"$OUT/sim2" 2>/dev/null
enum_s=$(timed "$BUILD/tarnix-math" enumerate --lines 25)
exact_s=$(timed "$BUILD/tarnix-math" exact --lines 25)
parsheet_s=$(timed "$BUILD/tarnix-math" parsheet --lines 25)

# The game itself at rest with its sound open on a private sound server.
"$(dirname "$0")/rest-with-sound.sh" "$BUILD" 30 >"$OUT/rest" || exit 1
sound_rss=$(sed -n 's/^rss //p' "$OUT/rest")
sound_cpu=$(sed -n 's/^cpu //p' "$OUT/rest")

bench() { sed -n "$1" "${2:-$OUT/bench}"; }
paint=$(bench 's/^start to first painted window: \([0-9]*\) ms.*/\1/p')
rss=$(bench 's/^idle resident memory: \([0-9]*\) KiB$/\1/p')
paint2=$(bench 's/^start to first painted window: \([0-9]*\) ms.*/\1/p' "$OUT/bench2")
rss2=$(bench 's/^idle resident memory: \([0-9]*\) KiB$/\1/p' "$OUT/bench2")
cpu=$(bench 's/^idle CPU: \([0-9.]*\) %.*/\1/p')
spin() { # reelspeed [bench output] -> "wall sleeps ratio"
  bench "s/^reelspeed *$1: .* wall \([0-9.]*\) ms per spin, frame sleeps \([0-9.]*\) ms, ratio \([0-9.]*\)$/\1 \2 \3/p" "${2:-}"
}
read -r w1 s1 r1 <<<"$(spin 1)"
read -r w10 s10 r10 <<<"$(spin 10)"
read -r w2 s2 r2 <<<"$(spin 1 "$OUT/bench2")"
mgps() { awk -v g="$(json games_per_second "$1")" 'BEGIN { printf "%.1f", g / 1e6 }'; }

echo "Measured $(date -u +%Y-%m-%d) on $(nproc) cores ($(sed -n 's/^model name\t*: //p' /proc/cpuinfo | head -1)), Release build:"
echo
echo "| Figure | Measured |"
echo "|---|---|"
echo "| Start of \`main\` to first painted window | $paint ms |"
echo "| Resident memory at rest | $((rss / 1024)) MiB ($rss KiB) |"
echo "| Start of \`main\` to first painted window, drawn at 2x (1920 x 1080) | $paint2 ms |"
echo "| Resident memory at rest, drawn at 2x | $((rss2 / 1024)) MiB ($rss2 KiB) |"
echo "| Processor at rest | $cpu % of one core |"
echo "| With sound: resident memory at rest | $((sound_rss / 1024)) MiB ($sound_rss KiB) |"
echo "| With sound: processor at rest | $sound_cpu % of one core |"
echo "| Spin at reel speed 1: wall time / frame sleeps | $w1 ms / $s1 ms (ratio $r1) |"
echo "| Spin at reel speed 10: wall time / frame sleeps | $w10 ms / $s10 ms (ratio $r10) |"
echo "| Spin at reel speed 1, drawn at 2x: wall time / frame sleeps | $w2 ms / $s2 ms (ratio $r2) |"
echo "| Size of \`slots_tarnix\` | $(($(stat -c %s "$BUILD/slots_tarnix") / 1024)) KiB |"
echo "| \`tarnix-math simulate\`, 1 thread | $(mgps "$OUT/sim1") million games/s |"
echo "| \`tarnix-math simulate\`, 2 threads | $(mgps "$OUT/sim2") million games/s |"
echo "| \`tarnix-math enumerate --lines 25\` | $enum_s s |"
echo "| \`tarnix-math exact --lines 25\` | $exact_s s |"
echo "| \`tarnix-math parsheet --lines 25\` | $parsheet_s s |"
