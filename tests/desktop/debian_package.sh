#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Debian package from the built tree, checks its contents, its computed dependencies
# and lintian's verdict, then unpacks it into a scratch folder and starts the unpacked game on a
# virtual X screen to its first window, and ends it with SIGTERM.
# Usage: debian_package.sh BUILD_DIR VERSION
BUILD=$1
VERSION=$2
source "$(dirname "$0")/../platform/lib.sh"

arch=$(dpkg --print-architecture)
deb=$WORK/pkg/slots-tarnix_${VERSION}_$arch.deb
cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$WORK/pkg" >"$WORK/cpack.log" 2>&1 ||
  fail "cpack: $(tail -20 "$WORK/cpack.log")"
[[ -f $deb ]] || fail "no $(basename "$deb"): $(ls "$WORK/pkg")"
note "built $(basename "$deb")"

dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./||' >"$WORK/contents"
for f in usr/games/slots_tarnix usr/games/tarnix-modewatch usr/games/tarnix-math \
  usr/share/applications/net.tarnix.SlotsTarnix.desktop \
  usr/share/metainfo/net.tarnix.SlotsTarnix.metainfo.xml \
  usr/share/icons/hicolor/256x256/apps/net.tarnix.SlotsTarnix.png \
  usr/share/doc/slots-tarnix/copyright usr/share/doc/slots-tarnix/changelog.gz \
  usr/share/doc/slots_tarnix/README.md \
  usr/share/man/man6/slots_tarnix.6.gz usr/share/man/man1/tarnix-math.1.gz; do
  grep -qx "$f" "$WORK/contents" || fail "the package lacks $f"
done
note "$(grep -vc '/$' "$WORK/contents") files, all expected ones present"

[[ $(dpkg-deb -f "$deb" Section) == games ]] || fail "section $(dpkg-deb -f "$deb" Section)"
depends=$(dpkg-deb -f "$deb" Depends)
# Worked out from the binaries by dpkg-shlibdeps, so they carry the versions the build needs.
for lib in libc6 libqt6widgets6 libsdl2-mixer-2.0-0 libxrandr2; do
  [[ $depends == *"$lib ("* ]] || fail "no versioned dependency on $lib: $depends"
done
note "depends: $depends"

lintian --no-tag-display-limit "$deb" >"$WORK/lintian.log" 2>&1 || true
if grep -E '^(E|W): ' "$WORK/lintian.log"; then
  fail "lintian reports errors or warnings"
fi
note "lintian: no errors or warnings"

dpkg-deb -x "$deb" "$WORK/root"
export XDG_RUNTIME_DIR="$WORK/run" XDG_CONFIG_HOME="$WORK/config" HOME="$WORK/home"
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$HOME"
start_xvfb
ORIGINAL=$(screen_size)
"$WORK/root/usr/games/slots_tarnix" >"$WORK/game.out" 2>&1 &
GAME=$!
STARTED_PIDS+=("$GAME")
wait_for 200 xdotool search --onlyvisible --name '^Current Player' ||
  fail "the unpacked game showed no window: $(cat "$WORK/game.out")"
# The watcher it starts beside itself was found in the unpacked folder.
wait_for 50 eval "[[ \$(screen_size) == 800x600 ]]" || fail "the screen stayed $(screen_size)"
[[ -n $(ps -o pid= --ppid "$GAME") ]] || fail "the unpacked game started no screen-mode watcher"
note "the unpacked game opened its window at 800 x 600"
terminate_game "$GAME" "$WORK/game.out"
wait_for 50 eval "[[ \$(screen_size) == $ORIGINAL ]]" || fail "the screen stayed $(screen_size)"
[[ -f $XDG_CONFIG_HOME/aust.ini ]] || fail "the record was not stored on leaving"
echo PASS
