#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zentile developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs the game from a build folder into a fresh folder, checks that the folder holds
# everything a player needs, and validates the desktop entry and the AppStream metainfo
# with the Debian tools when they are there; builds the .deb and checks its contents when
# dpkg-dev is there. Usage: check_install.sh BUILD_DIR
set -euo pipefail

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
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
    diff <(echo "$expected") <(echo "$actual") >&2 || true
    echo "FAIL: the installed files differ from the expected set" >&2
    exit 1
fi
[ -x "$prefix/bin/zentile" ] || { echo "FAIL: bin/zentile is not executable" >&2; exit 1; }
grep -q '^<svg' "$prefix/share/icons/hicolor/scalable/apps/$id.svg" || { echo "FAIL: the icon is no SVG" >&2; exit 1; }
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || { echo "FAIL: the desktop entry names another icon" >&2; exit 1; }
grep -qx "Exec=$prefix/bin/zentile" "$prefix/share/applications/$id.desktop" || { echo "FAIL: the menu entry relies on PATH" >&2; exit 1; }
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/share/metainfo/$id.metainfo.xml" ||
    { echo "FAIL: the metainfo launches another desktop entry" >&2; exit 1; }

if command -v dpkg-shlibdeps >/dev/null && command -v file >/dev/null; then
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$prefix/deb" >/dev/null
    deb=$(ls "$prefix"/deb/zentile_*.deb)
    listed=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | LC_ALL=C sort)
    if [ "$listed" != "$(echo "$expected" | sed 's|^|usr/|')" ]; then
        diff <(echo "$expected" | sed 's|^|usr/|') <(echo "$listed") >&2 || true
        echo "FAIL: the .deb's files differ from the expected set" >&2
        exit 1
    fi
    dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "FAIL: the .deb's dependencies were not computed" >&2; exit 1; }
    dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/$id.desktop | grep -qx "Exec=/usr/bin/zentile" ||
        { echo "FAIL: the .deb's menu entry does not start /usr/bin/zentile" >&2; exit 1; }
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
