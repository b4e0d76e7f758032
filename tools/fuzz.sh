#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the fuzz targets (clang, libFuzzer, ASan and UBSan) and runs each for as long as asked.
# What the fuzzer learns is kept in build/fuzz/work/TARGET/corpus between runs; failing inputs
# land in build/fuzz/work/TARGET/findings. Once fixed, copy a failing input into
# tests/fuzz/corpus/TARGET/ so that every later run tries it first.
# Usage: tools/fuzz.sh [SECONDS_EACH (default 300)] [TARGET ...]
#   targets: record_number record_file math_args (all by default)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(record_number record_file math_args)
build=${FUZZ_BUILD:-build/fuzz}
bash tests/fuzz/build.sh "$build"
failed=()
for t in "${targets[@]}"; do
  echo "== $t for ${seconds}s"
  bash tests/fuzz/run.sh "$build" "$t" "$seconds" "$build/work/$t" || failed+=("$t")
done
if ((${#failed[@]})); then
  echo "findings in: ${failed[*]} (see $build/work/*/findings)" >&2
  exit 1
fi
