#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes docs/par-sheet.md and its return-band pictures from tarnix-math's exact par sheet at
# 1 and 25 lines. The suite checks that the committed sheet is the one this writes.
# Usage: tools/par-sheet-doc.sh [BUILD_DIR]
set -euo pipefail
BUILD=${1:-build}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
[[ -x $BUILD/tarnix-math ]] || { echo "no $BUILD/tarnix-math: build first" >&2; exit 1; }
{
  echo "# Par sheet"
  echo
  echo "The complete game counted exactly, with no sampling: every window from every combination"
  echo "of held wilds, the payback check, the feature with its multiplier and retriggers."
  echo "Written by \`tools/par-sheet-doc.sh\` from \`tarnix-math parsheet --format markdown\`."
  for lines in 1 25; do
    echo
    "$BUILD/tarnix-math" parsheet --lines "$lines" --format markdown \
      --figure "$ROOT/docs/par-band-$lines.svg"
  done
} >"$ROOT/docs/par-sheet.md"
