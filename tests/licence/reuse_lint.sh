#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Every file states its copyright and licence, in a header or in .reuse/dep5, and every licence
# named has its text under LICENSES/: `reuse lint` must pass. A failure names the files.
# Usage: reuse_lint.sh SOURCE_DIR
set -euo pipefail
cd "$1"
if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  # Outside git, reuse cannot tell the build folders from the sources.
  echo "not a git checkout: skipped"
  exit 77
fi
if reuse lint >"${TMPDIR:-/tmp}/reuse-lint.$$" 2>&1; then
  rm -f "${TMPDIR:-/tmp}/reuse-lint.$$"
  echo PASS
  exit 0
fi
report=$(cat "${TMPDIR:-/tmp}/reuse-lint.$$")
rm -f "${TMPDIR:-/tmp}/reuse-lint.$$"
echo "$report"
missing=$(sed -n '/^# MISSING COPYRIGHT AND LICENSING INFORMATION/,/^# SUMMARY/p' <<<"$report" |
  sed -n 's/^\* //p')
if [[ -n $missing ]]; then
  echo
  echo "FAIL: these files state no copyright or licence:"
  sed 's/^/  /' <<<"$missing"
  echo "Give each the project's header (add --style python for a script without an extension):"
  echo "  reuse annotate --copyright 'The slots_tarnix developers' --year 2026 \\"
  echo "    --license GPL-3.0-or-later --copyright-style spdx FILE..."
  echo "or, for a file that cannot hold a comment, a paragraph in .reuse/dep5."
else
  echo "FAIL: reuse lint does not pass (see above)"
fi
exit 1
