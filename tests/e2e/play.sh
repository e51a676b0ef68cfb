#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zentile developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs the game from a build folder, starts it on its own Xvfb display and plays one
# game with real X input: Start, a word of three touching tiles, Enter, Finish, the name
# box, the dictionary question, File > Exit. Then checks both data files byte for byte.
# Usage: play.sh BUILD_DIR OUTPUT_DIR WORD_POINTS (screenshots go to OUTPUT_DIR; WORD_POINTS
# prints a word's points by the game's table). Exit 77: skipped.
set -euo pipefail
. "$(dirname "$0")/common.sh"

build=$1
out=$2
word_points=$3
for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    shot failure
    [ -s "$work/game.log" ] && sed 's/^/zentile: /' "$work/game.log" >&2
    exit 1
}
shot() {
    if command -v import >/dev/null && [ -n "${DISPLAY:-}" ]; then
        import -window root "$out/e2e-$1.png" 2>/dev/null || true
    fi
}

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
game=$prefix/bin/zentile
[ -x "$game" ] || fail "no installed binary at $game"

start_xvfb "$work"

mkdir -m 700 "$work/runtime"
(
    unset WAYLAND_DISPLAY
    QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime exec "$game"
) >"$work/game.log" 2>&1 &
game_pid=$!

main=$(window Zentile)
eval "$(xdotool getwindowgeometry --shell "$main")"
left=$X
top=$Y
# The client area below the menu bar is 599 x 534; whatever is above it is the menu bar.
menu=$((HEIGHT - 534))
[ "$WIDTH" -eq 599 ] && [ "$menu" -gt 0 ] || fail "unexpected window size ${WIDTH}x${HEIGHT}"
# The desktop matches the window to its menu entry by class and shows the game's icon.
xprop -id "$main" WM_CLASS | grep -q '"zentile", "zentile"$' || fail "the window's class is not zentile"
xprop -id "$main" -notype -len 16 -f _NET_WM_ICON 32c ' $0 $1' _NET_WM_ICON | grep -q ' 256 256$' ||
    fail "the window has not the game's icon"

# Clicks at a point of the client area, below the menu bar. The pause keeps two clicks
# on neighbouring tiles from making a double click.
click() {
    xdotool mousemove $((left + $1)) $((top + menu + $2)) click 1
    sleep 0.6
}
tile() {
    local row=$(($1 / 20)) column=$(($1 % 20))
    click $((16 + 23 * column + 11)) $((16 + 23 * row + 11))
}

click 236 236             # Start Game
tile 21; tile 22; tile 23 # three touching tiles of the second row
shot playing
click 532 496             # Enter
click 532 376             # Finish Game; the next tick ends the game

box=$(window "High Score")
xdotool windowfocus --sync "$box"
xdotool key ctrl+a
xdotool type --delay 40 Tester
shot high-score
answer "High Score" key Return
answer "Add Word" key Return   # Yes is the default

# File > Exit: "Exit" is the last entry of the menu that opens below "File".
xdotool windowfocus --sync "$main"
xdotool mousemove $((left + 18)) $((top + menu / 2)) click 1
sleep 0.5
popup=
for id in $(xdotool search --onlyvisible --classname zentile 2>/dev/null); do
    [ "$id" = "$main" ] && continue
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ "$HEIGHT" -gt 40 ] && popup=$id && break
done
[ -n "$popup" ] || fail "the File menu did not open"
shot menu
xdotool mousemove $((X + 30)) $((Y + HEIGHT - 12)) click 1

wait_exit "$game_pid"
status=$exit_status
game_pid_was=$game_pid
game_pid=
if [ -z "$status" ]; then
    game_pid=$game_pid_was
    fail "Exit did not end the game"
fi
if [ "$status" -ne 0 ]; then
    cat "$work/game.log" >&2
    echo "FAIL: the game exited with status $status" >&2
    exit 1
fi

check_played "$prefix/bin" "$word_points"
echo "PASS"
