#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zentile developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs the game from a build folder and runs it on its own Xvfb display, session bus and
# accessibility bus, then lets atspi_walk.py check what a screen reader is told: the tiles
# and value boxes, the focus following the keyboard cursor, a picked tile and the clock.
# Usage: atspi.sh BUILD_DIR. Exit 77: skipped. ZENTILE_PYTHON picks the Python to use.
set -euo pipefail
. "$(dirname "$0")/common.sh"

here=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher

# Second stage, inside the private session bus: the accessibility bus, the game, the checks.
if [ "${1:-}" = --in-session ]; then
    game=$2 work=$3 python=$4
    launcher_pid=
    game_pid=
    stop() {
        [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
        [ -n "$launcher_pid" ] && kill "$launcher_pid" 2>/dev/null || true
        wait 2>/dev/null || true
    }
    trap stop EXIT
    export XDG_RUNTIME_DIR=$work/runtime

    "$launcher" --launch-immediately >"$work/launcher.log" 2>&1 &
    launcher_pid=$!
    # Qt asks org.a11y.Bus for the address once, at start-up, so the bus must be up first.
    # Asking the name itself would have the session bus start a second launcher.
    for _ in $(seq 100); do
        timeout 5 dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true' && break
        kill -0 "$launcher_pid" 2>/dev/null || break
        sleep 0.1
    done
    if ! timeout 5 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress 2>/dev/null | grep -q 'string "unix:'; then
        cat "$work/launcher.log" >&2
        echo "FAIL: the accessibility bus did not come up" >&2
        exit 1
    fi

    (
        unset WAYLAND_DISPLAY
        QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec "$game"
    ) >"$work/game.log" 2>&1 &
    game_pid=$!

    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zentile$' 2>/dev/null | head -n1) || true
    if [ -z "$window" ]; then
        sed 's/^/zentile: /' "$work/game.log" >&2
        echo "FAIL: no window titled 'Zentile'" >&2
        exit 1
    fi

    status=0
    timeout -k 5 120 "$python" "$here/atspi_walk.py" "$game_pid" "$window" || status=$?
    if [ "$status" -ne 0 ]; then
        [ "$status" -eq 124 ] && echo "FAIL: the AT-SPI checks did not finish in 120 s" >&2
        [ -s "$work/game.log" ] && sed 's/^/zentile: /' "$work/game.log" >&2
        exit 1
    fi

    # The checks end with File > Exit; the game must leave by itself, and cleanly, so that a
    # sanitizer build gets to report at exit.
    wait_exit "$game_pid"
    status=$exit_status
    [ -n "$status" ] || { echo "FAIL: File > Exit did not end the game" >&2; exit 1; }
    game_pid=
    if [ "$status" -ne 0 ]; then
        sed 's/^/zentile: /' "$work/game.log" >&2
        echo "FAIL: the game exited with status $status" >&2
        exit 1
    fi
    echo "PASS"
    exit 0
fi

build=$1
for tool in Xvfb xdotool dbus-run-session dbus-send; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done
if [ ! -x "$launcher" ]; then
    echo "SKIP: $launcher is not installed"
    exit 77
fi
# pyatspi comes with the system's Python, which may not be the first python3 on PATH.
python=
for candidate in ${ZENTILE_PYTHON:-python3 /usr/bin/python3}; do
    if "$candidate" -c 'import pyatspi' >/dev/null 2>&1; then
        python=$candidate
        break
    fi
done
if [ -z "$python" ]; then
    echo "SKIP: no Python here can import pyatspi"
    exit 77
fi

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Installed, because the game writes its files beside its executable.
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
game=$prefix/bin/zentile
[ -x "$game" ] || { echo "FAIL: no installed binary at $game" >&2; exit 1; }

start_xvfb "$work"
mkdir -m 700 "$work/runtime"

# Nothing from the caller's desktop: the game and the checks see only these two buses.
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
dbus-run-session -- bash "$0" --in-session "$game" "$work" "$python"
