#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a scratch prefix and checks that a Linux desktop would find the game:
# the binary with its screen-mode watcher beside it, a launcher entry, icons in the hicolor
# theme and an AppStream description, each passing the validators desktops rely on.
# Usage: installed.sh BUILD_DIR
set -euo pipefail
BUILD=$1
ID=net.tarnix.SlotsTarnix
PREFIX=$(mktemp -d "${TMPDIR:-/tmp}/tarnix-install.XXXXXX")
trap 'rm -rf "$PREFIX"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cmake --install "$BUILD" --prefix "$PREFIX" >"$PREFIX.log" 2>&1 || fail "install: $(cat "$PREFIX.log")"
rm -f "$PREFIX.log"

for exe in slots_tarnix tarnix-modewatch tarnix-math; do
  [[ -x $PREFIX/bin/$exe ]] || fail "bin/$exe is not installed"
done

desktop=$PREFIX/share/applications/$ID.desktop
[[ -f $desktop ]] || fail "no launcher entry"
desktop-file-validate "$desktop" || fail "the launcher entry does not validate"
grep -qx 'Exec=slots_tarnix' "$desktop" || fail "the launcher does not start the installed binary"
grep -qx "Icon=$ID" "$desktop" || fail "the launcher names another icon"

metainfo=$PREFIX/share/metainfo/$ID.metainfo.xml
[[ -f $metainfo ]] || fail "no AppStream description"
appstreamcli validate --no-net "$metainfo" || fail "the AppStream description does not validate"
grep -q '<content_attribute id="money-gambling">' "$metainfo" || fail "no gambling rating"
grep -q "<launchable type=\"desktop-id\">$ID.desktop</launchable>" "$metainfo" ||
  fail "the description does not point at the launcher"

for size in 32 64 128 256; do
  icon=$PREFIX/share/icons/hicolor/${size}x${size}/apps/$ID.png
  [[ -f $icon ]] || fail "no ${size}x${size} icon"
  got=$(identify -format '%wx%h' "$icon")
  [[ $got == "${size}x${size}" ]] || fail "the ${size}x${size} icon is $got"
done
# Enlarging by whole multiples keeps every pixel: the 64 px icon shrunk back is the 32 px one.
convert "$PREFIX/share/icons/hicolor/64x64/apps/$ID.png" -sample 32x32 "$PREFIX/shrunk.png"
diff_pixels=$(compare -metric AE "$PREFIX/share/icons/hicolor/32x32/apps/$ID.png" \
  "$PREFIX/shrunk.png" null: 2>&1 || true)
[[ $diff_pixels == 0 ]] || fail "the 64 px icon is not the 32 px one enlarged ($diff_pixels pixels differ)"
echo PASS
