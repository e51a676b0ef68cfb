#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zentile developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows package as a player gets it: the .zip that cpack writes is unpacked, every DLL
# that its programs import is checked to be in it or to be Windows' own, and zentile.exe is
# played under Wine on its own Xvfb display, in a fresh Wine prefix, one whole game by keys:
# Start, a word, Finish, the name box, the word's box, Exit. First from a folder the player
# may write, where the files land beside the game; then from a read-only one, where they land
# in %APPDATA%\zentile. Usage: play.sh BUILD_DIR OUTPUT_DIR (screenshots go to OUTPUT_DIR).
set -euo pipefail
. "$(dirname "$0")/../e2e/common.sh"

build=$1
out=$2
work=$(mktemp -d)
xvfb_pid=
trap 'WINEPREFIX=$work/wine wineserver -k 2>/dev/null; kill $xvfb_pid 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    import -window root "$out/windows-failure.png" 2>/dev/null || true
    exit 1
}

# The package, unpacked where nothing else of the build is.
(cd "$build" && cpack -G ZIP -B "$work/package" >/dev/null) || fail "cpack -G ZIP failed"
zip=$(ls "$work"/package/zentile-*.zip)
(cd "$work" && cmake -E tar xf "$zip")
game=$(dirname "$(find "$work" -path "$work/package" -prune -o -name zentile.exe -print)")
[ -f "$game/zentile.exe" ] || fail "no zentile.exe in $zip"
# file's wording differs between its versions; these three words it always uses.
kind=$(file -b "$game/zentile.exe")
[[ $kind == PE32+* && $kind == *GUI* && $kind == *x86-64* ]] || fail "zentile.exe is not a 64-bit Windows GUI program: $kind"
echo "$(basename "$zip"): $(cd "$game" && find . -type f | wc -l) files"

# Windows' own DLLs, which no package carries.
system='^(kernel32|user32|gdi32|advapi32|shell32|shcore|ole32|oleaut32|comdlg32|imm32|winmm|ws2_32|shlwapi|uxtheme|dwmapi|version|netapi32|userenv|mpr|msvcrt|wtsapi32|authz|setupapi|dwrite|d3d9|d3d11|d3d12|dxgi|api-ms-win-.*)\.dll$'
missing=
while IFS= read -r binary; do
    for dll in $(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^\tDLL Name: //p'); do
        lower=${dll,,}
        [[ $lower =~ $system ]] && continue
        find "$game" -maxdepth 1 -iname "$dll" | grep -q . || missing+=" ${binary#"$game"/}:$dll"
    done
done < <(find "$game" -iname '*.exe' -o -iname '*.dll')
[ -z "$missing" ] || fail "imported but not in the package:$missing"

unset QT_QPA_PLATFORM
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES='winemenubuilder.exe,mscoree,mshtml=d'
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
start_xvfb "$work"

keys() {
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.3
    done
}
# Waits up to 10 s for file $1 to hold $2 bytes.
sized() {
    for _ in $(seq 100); do
        [ "$(stat -c %s "$1" 2>/dev/null)" = "$2" ] && return 0
        sleep 0.1
    done
    fail "$1 is not $2 bytes"
}

# One whole game by keys; the files are expected in folder $1.
play() {
    local data=$1 main box
    "$wine" "$game/zentile.exe" >"$work/game.log" 2>&1 &
    local pid=$!
    main=$(window Zentile)
    eval "$(xdotool getwindowgeometry --shell "$main")"
    [ "$WIDTH" -eq 599 ] && [ "$HEIGHT" -gt 534 ] || fail "unexpected window size ${WIDTH}x${HEIGHT}"
    xdotool windowfocus --sync "$main"
    # The word list has the focus: Tab to Start Game, Space; then the first three tiles.
    keys Tab space space Right space Right space Return
    import -window root "$out/windows-playing.png" 2>/dev/null || true
    # Finish Game stands just before the board in the focus order; the next tick ends the game.
    keys shift+Tab space
    box=$(window "High Score")
    xdotool windowfocus --sync "$box"
    keys ctrl+a
    xdotool type --delay 40 Tester
    answer "High Score" key Return
    answer "Add Word" key Return
    sized "$data/Dictionary.kvz" 5
    sized "$data/HighScore.kvz" 240
    xdotool windowfocus --sync "$main"
    keys ctrl+q
    wait_exit "$pid"
    [ "$exit_status" = 0 ] || { cat "$work/game.log" >&2; fail "zentile.exe did not exit cleanly (${exit_status:-still running})"; }

    check_played "$data"
    echo "the files are in $data"
}

"$wine" wineboot --init >/dev/null 2>&1
wineserver --wait

# A folder the player may write: the files stay beside the game.
play "$game"
rm "$game/Dictionary.kvz" "$game/HighScore.kvz"

# A folder the player may not write, as Program Files: the files go to %APPDATA%\zentile, and
# none beside the game. The Wine server starts again with the game, as the player it runs as.
appdata=$(find "$WINEPREFIX/drive_c/users" -maxdepth 3 -path '*/AppData/Roaming' | head -n1)
[ -d "$appdata" ] || fail "the Wine prefix has no AppData\\Roaming folder"
wineserver -k 2>/dev/null || true
wineserver --wait 2>/dev/null || true
chmod a-w "$game"
if [ "$(id -u)" -eq 0 ]; then
    # Root writes anywhere: the game runs without the capabilities that override permissions.
    export -f play window answer keys sized fail wait_exit check_played
    export game work out wine
    setpriv --bounding-set=-dac_override,-dac_read_search bash -c 'set -euo pipefail
        if touch "$game/.probe" 2>/dev/null; then fail "the read-only folder takes files"; fi
        play "$1"' bash "$appdata/zentile"
else
    play "$appdata/zentile"
fi
chmod u+w "$game"
[ ! -e "$game/Dictionary.kvz" ] && [ ! -e "$game/HighScore.kvz" ] || fail "a file was written beside the read-only game"
echo "PASS"
