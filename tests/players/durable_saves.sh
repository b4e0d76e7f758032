#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A save that has returned survives a power cut: its system calls, traced, must flush the new
# file before it takes the old one's name, and flush the folder after. Checked for the record
# and for the plain durable replace, each first creating its file and then replacing it.
# Usage: durable_saves.sh PATH/TO/save_once
set -u
SAVE_ONCE=$1
command -v strace >/dev/null || { echo "strace is not installed"; exit 1; }
strace -o /dev/null true 2>/dev/null || { echo "SKIP: system calls cannot be traced here"; exit 77; }
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# Reads a trace; prints what is out of order, or "ok".
check_trace() { # trace final-path
  awk -v final="$2" '
    function quoted(line, n,   rest, i, s) {
      rest = line
      for (i = 1; i <= n; i++) {
        s = index(rest, "\""); rest = substr(rest, s + 1)
        s = index(rest, "\""); value = substr(rest, 1, s - 1); rest = substr(rest, s + 1)
      }
      return value
    }
    function result(line) { sub(/.*= /, "", line); sub(/ .*/, "", line); return line + 0 }
    BEGIN { folder = final; sub(/\/[^\/]*$/, "", folder) }
    { sub(/^(\[pid +)?[0-9]+\]? +/, "") }
    /^openat\(/ {
      fd = result($0)
      if (fd >= 0) { name[fd] = quoted($0, 1); flags[fd] = $0 }
      next
    }
    /^(fsync|fdatasync)\(/ {
      fd = $0; sub(/^[a-z]+\(/, "", fd); sub(/\).*/, "", fd)
      if (result($0) != 0) next
      temp = (name[fd] == folder && flags[fd] ~ /O_TMPFILE/) || index(name[fd], final ".") == 1
      if (temp && !landed) dataSynced = 1
      if (landed && name[fd] == folder && flags[fd] ~ /O_DIRECTORY/) folderSynced = 1
      next
    }
    /^(rename|renameat|renameat2|linkat)\(/ {
      if (quoted($0, 2) == final && result($0) == 0) {
        if (!dataSynced) problem = problem " the new file took its name before it was flushed;"
        landed = 1
      }
    }
    END {
      if (!landed) problem = problem " no file took the name;"
      else if (!folderSynced) problem = problem " the folder was not flushed after the rename;"
      print problem == "" ? "ok" : problem
    }' "$1"
}

status=0
for mode in record file; do
  target="$WORK/$mode/saved"
  mkdir -p "$WORK/$mode"
  for round in create replace; do
    strace -f -qq -e trace=openat,fsync,fdatasync,rename,renameat,renameat2,linkat \
      -o "$WORK/trace" "$SAVE_ONCE" "$mode" "$target" || { echo "FAIL $mode $round: the save failed"; status=1; continue; }
    verdict=$(check_trace "$WORK/trace" "$target")
    if [[ $verdict == ok ]]; then
      echo "ok   $mode $round"
    else
      echo "FAIL $mode $round:$verdict"
      grep -E 'saved|fsync|fdatasync|O_DIRECTORY' "$WORK/trace"
      status=1
    fi
  done
done
exit $status
