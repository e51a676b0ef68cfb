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

if [ "${1:-}" = --in-session ]; then
    work=$2 python=$3
    start_a11y_bus
    start_game
    run_checks 120 "$python" "$here/atspi_walk.py" "$game_pid" "$window" || exit 1

    # The checks end with File > Exit; the game must leave by itself, and cleanly, so that a
    # sanitizer build gets to report at exit.
    wait_exit "$game_pid"
    [ -n "$exit_status" ] || { echo "FAIL: File > Exit did not end the game" >&2; exit 1; }
    if [ "$exit_status" -ne 0 ]; then
        game_log
        echo "FAIL: the game exited with status $exit_status" >&2
        exit 1
    fi
    echo "PASS"
    exit 0
fi

need Xvfb xdotool dbus-run-session dbus-send
# pyatspi comes with the system's Python, which may not be the first python3 on PATH.
python=$(for candidate in ${ZENTILE_PYTHON:-python3 /usr/bin/python3}; do
    "$candidate" -c 'import pyatspi' >/dev/null 2>&1 && { echo "$candidate"; break; }
done; true)
[ -n "$python" ] || { echo "SKIP: no Python here can import pyatspi"; exit 77; }

install_game "$1"
enter_session "$python"
