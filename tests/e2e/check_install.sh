#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zentile developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs the game from a build folder into a fresh folder, checks that the folder holds
# everything a player needs, and validates the desktop entry and the AppStream metainfo
# with the Debian tools when they are there; builds the .deb and checks its contents when
# dpkg-dev is there, and lints it when lintian is. Usage: check_install.sh BUILD_DIR
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }
# Lists the files under $1, sorted, as paths relative to it.
files() { (cd "$1" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort); }

build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

id=org.example.zentile
expected=$( (echo "bin/zentile
share/applications/$id.desktop
share/doc/zentile/LICENSE
share/doc/zentile/README.md
share/doc/zentile/changelog.gz
share/doc/zentile/copyright
share/doc/zentile/docs/screenshot.png
share/icons/hicolor/scalable/apps/$id.svg
share/man/man6/zentile.6.gz
share/metainfo/$id.metainfo.xml"
    for size in 16 24 32 48 64 128 256; do echo "share/icons/hicolor/${size}x$size/apps/$id.png"; done) | LC_ALL=C sort)
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
    # Debian keeps games in /usr/games.
    diff <(echo "$expected" | sed 's|^bin/|games/|; s|^|usr/|' | LC_ALL=C sort) <(files "$prefix/unpacked") >&2 ||
        fail "the .deb's files differ from the expected set"
    dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "the .deb's dependencies were not computed"
    dpkg-deb -f "$deb" Recommends | grep -qw 'qt6-wayland' || fail "the .deb does not recommend qt6-wayland"
    [ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the .deb is not in the games section"
    [ "$(dpkg-deb -f "$deb" Description | wc -l)" -gt 3 ] || fail "the .deb has no extended description"
    grep -qx "Exec=/usr/games/zentile" "$prefix/unpacked/usr/share/applications/$id.desktop" ||
        fail "the .deb's menu entry does not start /usr/games/zentile"
    echo "$(basename "$deb"): files, fields, dependencies and menu entry checked"
    if command -v lintian >/dev/null; then
        lintian --fail-on error "$deb" >&2 || fail "lintian finds errors in the .deb"
        echo "lintian: no errors"
    else
        echo "lintian is not installed: the .deb not linted"
    fi
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
