#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zentile developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Plays a short game by keys under the real Orca screen reader and checks what it says at
# each step, from Orca's debug log. Everything runs privately: Xvfb, a session bus, the
# accessibility bus, and speech-dispatcher whose only voice appends each text to a file.
# Usage: orca.sh BUILD_DIR. Exit 77: skipped (no Orca, or Orca cannot start here).
set -euo pipefail
. "$(dirname "$0")/common.sh"

here=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher

if [ "${1:-}" = --in-session ]; then
    game=$2 work=$3
    pids=()
    stop() {
        for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
        wait 2>/dev/null || true
    }
    trap stop EXIT
    export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config HOME=$work/home
    export GSETTINGS_BACKEND=memory

    "$launcher" --launch-immediately >"$work/launcher.log" 2>&1 &
    pids+=($!)
    # Asked by name before it is up, the session bus would start a second launcher.
    for _ in $(seq 100); do
        timeout 5 dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true' && break
        sleep 0.1
    done

    speech-dispatcher -s -t 0 -C "$XDG_CONFIG_HOME/speech-dispatcher" -L "$work" \
        -S "$XDG_RUNTIME_DIR/speechd.sock" >"$work/speechd.out" 2>&1 &
    pids+=($!)
    export SPEECHD_ADDRESS=unix_socket:$XDG_RUNTIME_DIR/speechd.sock
    for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/speechd.sock" ] && break; sleep 0.1; done

    # Orca writes its debug log through a full buffer unless the file is a terminal: script(1)
    # gives it one, and copies each line to the log as it comes.
    script -q -f -e -c "orca --replace -u '$work/orca-prefs' --debug-file=/dev/stdout" "$work/orca.log" \
        </dev/null >"$work/orca.out" 2>&1 &
    orca_pid=$!
    pids+=($orca_pid)
    # Orca is up once it has spoken its welcome.
    for _ in $(seq 300); do
        grep -q 'SPEECH OUTPUT' "$work/orca.log" 2>/dev/null && break
        kill -0 "$orca_pid" 2>/dev/null || break
        sleep 0.1
    done
    if ! grep -q 'SPEECH OUTPUT' "$work/orca.log" 2>/dev/null; then
        tail -n 20 "$work/orca.out" "$work/orca.log" 2>/dev/null >&2 || true
        echo "SKIP: Orca did not start here"
        exit 77
    fi

    (
        unset WAYLAND_DISPLAY
        QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec "$game"
    ) >"$work/game.log" 2>&1 &
    game_pid=$!
    pids+=($game_pid)
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zentile$' 2>/dev/null | head -n1) || true
    [ -n "$window" ] || { cat "$work/game.log" >&2; echo "FAIL: no window titled 'Zentile'" >&2; exit 1; }

    # ZENTILE_KEEP_LOGS=FOLDER keeps Orca's debug log and the texts speech-dispatcher got.
    keep_logs() {
        [ -n "${ZENTILE_KEEP_LOGS:-}" ] && cp "$work/orca.log" "$work/spoken.txt" "$ZENTILE_KEEP_LOGS" || true
    }
    status=0
    timeout -k 5 150 python3 "$here/orca_play.py" "$work/orca.log" "$work/spoken.txt" "$window" || status=$?
    if [ "$status" -ne 0 ]; then
        [ "$status" -eq 124 ] && echo "FAIL: the game under Orca did not finish in 150 s" >&2
        sed 's/^/zentile: /' "$work/game.log" >&2
        keep_logs
        exit 1
    fi
    keep_logs
    echo "PASS"
    exit 0
fi

build=$1
for tool in Xvfb xdotool dbus-run-session dbus-send orca speech-dispatcher script python3; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[ -x "$launcher" ] || { echo "SKIP: $launcher is not installed"; exit 77; }
sd_modules=/usr/lib/speech-dispatcher-modules
[ -x "$sd_modules/sd_generic" ] || { echo "SKIP: no speech-dispatcher generic module"; exit 77; }

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
game=$prefix/bin/zentile
[ -x "$game" ] || { echo "FAIL: no installed binary at $game" >&2; exit 1; }

mkdir -m 700 "$work/runtime" && mkdir -p "$work/home" "$work/orca-prefs" "$work/config/speech-dispatcher/modules"
# No sound card: the only voice writes text, and anything that plays sound plays to nothing.
printf 'pcm.!default { type null }\n' >"$work/home/.asoundrc"
cat >"$work/config/speech-dispatcher/speechd.conf" <<CONF
AudioOutputMethod "libao"
AddModule "generic" "sd_generic" "generic.conf"
DefaultModule generic
LanguageDefaultModule "en" "generic"
CONF
cat >"$work/config/speech-dispatcher/modules/generic.conf" <<CONF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >>$work/spoken.txt"
AddVoice "en" "MALE1" "text"
GenericLanguage "en" "en" "utf-8"
CONF
: >"$work/spoken.txt"

start_xvfb "$work"
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
dbus-run-session -- bash "$0" --in-session "$game" "$work"
