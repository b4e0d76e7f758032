#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs one fuzz target for a while from the committed seeds. New inputs the fuzzer finds go to
# a working folder, never into the committed corpus; an input that fails is kept and named.
# Usage: run.sh FUZZ_BUILD_DIR TARGET SECONDS [WORK_DIR]
#   TARGET is a folder name under corpus/ (record_number, record_file, math_args).
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
BUILD=$1
TARGET=$2
SECONDS_TO_RUN=$3
WORK=${4:-}
if [[ -z $WORK ]]; then
  WORK=$(mktemp -d "${TMPDIR:-/tmp}/tarnix-fuzz.XXXXXX")
  trap 'rm -rf "$WORK"' EXIT
fi
mkdir -p "$WORK/corpus" "$WORK/findings"
args=(-max_total_time="$SECONDS_TO_RUN" -timeout=10 -print_final_stats=1
  -artifact_prefix="$WORK/findings/")
[[ -f $HERE/targets/$TARGET.dict ]] && args+=(-dict="$HERE/targets/$TARGET.dict")
# Qt keeps every settings file it has read in a cache, which the per-input leak check takes for
# a leak and answers with a scan of the whole heap: twenty times slower. The sanitized soak
# checks the record store for leaks instead.
# And a smaller quarantine for freed memory: with the default one, the many small allocations
# of every input keep the process growing towards libFuzzer's memory limit within the hour.
if [[ $TARGET == record_file ]]; then
  args+=(-detect_leaks=0)
  export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}quarantine_size_mb=64
fi
# The record file is written and saved for every input: on a memory file system the saves'
# flushes to disk cost nothing, and the fuzzer runs a hundred times faster.
if [[ -d /dev/shm && -w /dev/shm ]]; then export TMPDIR=/dev/shm; fi
status=0
"$BUILD/fuzz_$TARGET" "${args[@]}" "$WORK/corpus" "$HERE/corpus/$TARGET" >"$WORK/$TARGET.log" 2>&1 ||
  status=$?
grep -E '^stat::(number_of_executed_units|new_units_added)' "$WORK/$TARGET.log" || true
if ((status != 0)); then
  tail -40 "$WORK/$TARGET.log"
  for f in "$WORK"/findings/*; do
    [[ -e $f ]] || continue
    echo "FAIL: $TARGET failed on $f (replay: $BUILD/fuzz_$TARGET $f)" >&2
    echo "Input as hex:" >&2
    head -c 512 "$f" | od -An -tx1 >&2
  done
  exit 1
fi
echo "PASS: $TARGET ran ${SECONDS_TO_RUN}s clean"
