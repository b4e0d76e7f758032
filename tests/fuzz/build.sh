#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the fuzz targets with clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer.
# Usage: build.sh BUILD_DIR
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
OUT=$1
mkdir -p "$OUT"
CXX=$(command -v clang++-14 || command -v clang++)
cmake -S "$HERE/targets" -B "$OUT" -DCMAKE_CXX_COMPILER="$CXX" -DCMAKE_BUILD_TYPE=None >"$OUT/build.log" 2>&1 ||
  { cat "$OUT/build.log"; exit 1; }
# Two jobs at most: the rest of the suite runs beside this build.
cmake --build "$OUT" --parallel 2 >>"$OUT/build.log" 2>&1 || { tail -50 "$OUT/build.log"; exit 1; }
