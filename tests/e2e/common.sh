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

# Waits up to 30 s for a top-level window with exactly this title; prints its id. The caller
# defines fail.
window() {
    local id
    id=$(timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n1) || true
    [ -n "$id" ] || fail "no window titled '$1'"
    echo "$id"
}

# Answers the box with this title by keys (xdotool's arguments) and waits for it to close.
# A box still taking the focus may miss the keys: they go again every 3 s, three times. With
# no window manager, Wine activates a box only when it is clicked: a click on its frame.
answer() {
    local title=$1 box
    box=$(window "$title")
    shift
    for _ in 1 2 3; do
        xdotool mousemove --window "$box" 3 3 click 1
        xdotool windowfocus --sync "$box" 2>/dev/null || true
        xdotool "$@"
        for _ in $(seq 30); do
            xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1 || return 0
            sleep 0.1
        done
    done
    fail "the box '$title' stayed open"
}

# Checks the files of one game played as Tester in folder $1: Dictionary.kvz holds one word of
# three capitals ended by CR LF; HighScore.kvz has Tester first, with the points that program
# $2 gives the word (without $2, those the file gives, of a three-letter word), and below it
# the places never written, under their ranks. Prints the word and its points.
check_played() {
    local data=$1 word score rank
    word=$(head -c 3 "$data/Dictionary.kvz" 2>/dev/null) || true
    if [ "$(stat -c %s "$data/Dictionary.kvz" 2>/dev/null)" != 5 ] || [[ ! $word =~ ^[A-Z]{3}$ ]] ||
        [ "$(tail -c 2 "$data/Dictionary.kvz" | od -An -tx1 | tr -d ' \n')" != 0d0a ]; then
        fail "Dictionary.kvz is not one CR LF-ended word of three capitals"
    fi
    if [ -n "${2:-}" ]; then
        score=$("$2" "$word")
    else
        score=$(od -An -tu2 -j2 -N2 "$data/HighScore.kvz" | tr -d ' ')
        [ "$score" -ge 3 ] && [ "$score" -le 30 ] || fail "$score points for a word of three letters"
    fi
    byte() { printf "\\x$(printf %02x "$1")"; }
    if ! cmp -s "$data/HighScore.kvz" <(
        byte 1; byte 0; byte $((score & 255)); byte $((score >> 8))
        printf 'Tester%14s' ''
        for rank in 2 3 4 5 6 7 8 9 10; do
            byte "$rank"; byte 0; head -c 22 /dev/zero
        done); then
        od -Ax -tx1 "$data/HighScore.kvz" >&2
        fail "HighScore.kvz differs from the expected table"
    fi
    echo "played $word for $score points"
}

launcher=/usr/libexec/at-spi-bus-launcher

# Skips (exit 77) unless the tools named and the AT-SPI bus launcher are all here.
need() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
    [ -x "$launcher" ] || { echo "SKIP: $launcher is not installed"; exit 77; }
}

# Installs the game from build folder $1 into a fresh folder, work, removed on exit, and
# starts Xvfb. Installed, because the game writes its files beside its executable.
install_game() {
    work=$(mktemp -d)
    xvfb_pid=
    trap 'kill $xvfb_pid 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
    cmake --install "$1" --prefix "$work/prefix" >/dev/null
    [ -x "$work/prefix/bin/zentile" ] || { echo "FAIL: no installed binary in $work/prefix/bin" >&2; exit 1; }
    mkdir -m 700 "$work/runtime"
    start_xvfb "$work"
}

# Runs this script again, as "$0 --in-session WORK ARGS...", on a private session bus:
# the game and the checks see nothing of the caller's desktop.
enter_session() {
    unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
    dbus-run-session -- bash "$0" --in-session "$work" "$@"
}

# Inside the session, what is started is put in pids, and ended on exit.
pids=()

# Starts the accessibility bus. Qt asks org.a11y.Bus for the address once, at start-up, so the
# bus must be up before the game; asking that name too early would have the session bus start
# a second launcher.
start_a11y_bus() {
    trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null || true' EXIT
    export XDG_RUNTIME_DIR=$work/runtime
    "$launcher" --launch-immediately >"$work/launcher.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        timeout 5 dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true' && break
        kill -0 "${pids[-1]}" 2>/dev/null || break
        sleep 0.1
    done
    if ! timeout 5 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress 2>/dev/null | grep -q 'string "unix:'; then
        cat "$work/launcher.log" >&2
        echo "FAIL: the accessibility bus did not come up" >&2
        exit 1
    fi
}

game_log() {
    sed 's/^/zentile: /' "$work/game.log" >&2
}

# Starts the installed game with its accessibility bridge on; sets game_pid, and window to
# its window's id.
start_game() {
    env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        "$work/prefix/bin/zentile" >"$work/game.log" 2>&1 &
    game_pid=$!
    pids+=($game_pid)
    window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Zentile$' 2>/dev/null | head -n1) || true
    [ -n "$window" ] || { game_log; echo "FAIL: no window titled 'Zentile'" >&2; exit 1; }
}

# Runs the checks, command $2..., for at most $1 seconds; on a fault shows the game's log and
# returns 1.
run_checks() {
    local limit=$1 status=0
    shift
    timeout -k 5 "$limit" "$@" || status=$?
    [ "$status" -ne 124 ] || echo "FAIL: the checks did not finish in $limit s" >&2
    [ "$status" -eq 0 ] || { game_log; return 1; }
}
