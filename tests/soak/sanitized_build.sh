#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the soak with AddressSanitizer and UndefinedBehaviorSanitizer into its own folder:
# only the libraries and the test, so the suite stays quick on a small machine.
# Usage: sanitized_build.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
SRC=$1
OUT=$2
# -O1 keeps the build short; the sanitizers need no more to see every access.
flags="-O1 -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g1"
cmake -S "$SRC" -B "$OUT" -DCMAKE_BUILD_TYPE=Sanitize -DBUILD_TESTING=ON \
  -DTARNIX_SANITIZED_SOAK=OFF -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >"$OUT.log" 2>&1 ||
  { cat "$OUT.log"; exit 1; }
# Two jobs at most: the rest of the suite runs beside this build.
cmake --build "$OUT" --target test_soak --parallel 2 >>"$OUT.log" 2>&1 || { tail -50 "$OUT.log"; exit 1; }
