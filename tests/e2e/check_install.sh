#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zentile developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs the game from a build folder into a fresh folder, checks that the folder holds
# everything a player needs, and validates the desktop entry and the AppStream metainfo
# with the Debian tools when they are there; builds the .deb and checks its contents when
# dpkg-dev is there. Usage: check_install.sh BUILD_DIR
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }
# Lists the files under $1, sorted, as paths relative to it.
files() { (cd "$1" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort); }

build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

id=org.example.zentile
expected="bin/zentile
share/applications/$id.desktop
share/doc/zentile/LICENSE
share/doc/zentile/README.md
share/doc/zentile/docs/screenshot.png
share/icons/hicolor/scalable/apps/$id.svg
share/metainfo/$id.metainfo.xml"
diff <(echo "$expected") <(files "$prefix") >&2 || fail "the installed files differ from the expected set"
[ -x "$prefix/bin/zentile" ] || fail "bin/zentile is not executable"
grep -q '^<svg' "$prefix/share/icons/hicolor/scalable/apps/$id.svg" || fail "the icon is no SVG"
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "the desktop entry names another icon"
grep -qx "Exec=$prefix/bin/zentile" "$prefix/share/applications/$id.desktop" || fail "the menu entry relies on PATH"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo launches another desktop entry"

if command -v dpkg-shlibdeps >/dev/null && command -v file >/dev/null; then
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$prefix/deb" >/dev/null
    deb=$(ls "$prefix"/deb/zentile_*.deb)
    dpkg-deb -x "$deb" "$prefix/unpacked"
    diff <(echo "$expected" | sed 's|^|usr/|') <(files "$prefix/unpacked") >&2 || fail "the .deb's files differ from the expected set"
    dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "the .deb's dependencies were not computed"
    grep -qx "Exec=/usr/bin/zentile" "$prefix/unpacked/usr/share/applications/$id.desktop" ||
        fail "the .deb's menu entry does not start /usr/bin/zentile"
    echo "$(basename "$deb"): files, dependencies and menu entry checked"
else
    echo "dpkg-shlibdeps or file is not installed: the .deb not checked"
fi
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/$id.desktop"
    echo "desktop-file-validate: passed"
else
    echo "desktop-file-validate is not installed: desktop entry not validated"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml"
else
    echo "appstreamcli is not installed: metainfo not validated"
fi
