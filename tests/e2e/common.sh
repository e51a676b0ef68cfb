# SPDX-FileCopyrightText: 2026 Zentile developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What the end-to-end scripts share; sourced, not run.

# Xvfb picks a free display itself and reports its number once it accepts clients. Sets
# xvfb_pid and exports DISPLAY; its notes go to folder $1.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$1/display" 2>"$1/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        grep -q '^[0-9]' "$1/display" 2>/dev/null && break
        kill -0 "$xvfb_pid" 2>/dev/null || { cat "$1/xvfb.log" >&2; echo "FAIL: Xvfb did not start" >&2; exit 1; }
        sleep 0.1
    done
    export DISPLAY=:$(head -n1 "$1/display")
    echo "Xvfb on $DISPLAY"
}

# Gives process $1, a child of this shell, up to 10 s to end. Sets exit_status to its
# status, or leaves it empty if it is still running.
wait_exit() {
    exit_status=
    for _ in $(seq 100); do
        if ! kill -0 "$1" 2>/dev/null; then
            wait "$1" && exit_status=0 || exit_status=$?
            return 0
        fi
        sleep 0.1
    done
}
