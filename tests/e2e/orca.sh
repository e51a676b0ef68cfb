#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zentile developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Plays a short game by keys under the real Orca, checking each step in Orca's debug log, on a
# private Xvfb, session bus and accessibility bus; speech-dispatcher's one voice writes to a file.
# Usage: orca.sh BUILD_DIR. Exit 77: skipped (no Orca, Orca cannot start here, or it already runs).
# ZENTILE_KEEP_LOGS=FOLDER keeps Orca's debug log and the texts speech-dispatcher got.
set -euo pipefail
. "$(dirname "$0")/common.sh"

here=$(cd "$(dirname "$0")" && pwd)

if [ "${1:-}" = --in-session ]; then
    work=$2
    export XDG_CONFIG_HOME=$work/config HOME=$work/home GSETTINGS_BACKEND=memory
    start_a11y_bus

    speech-dispatcher -s -t 0 -C "$XDG_CONFIG_HOME/speech-dispatcher" -L "$work" \
        -S "$XDG_RUNTIME_DIR/speechd.sock" >"$work/speechd.out" 2>&1 &
    pids+=($!)
    export SPEECHD_ADDRESS=unix_socket:$XDG_RUNTIME_DIR/speechd.sock
    for _ in $(seq 300); do [ -S "$XDG_RUNTIME_DIR/speechd.sock" ] && break; sleep 0.1; done

    # Orca writes its debug log through a full buffer unless the file is a terminal: script(1)
    # gives it one, and copies each line to the log as it comes. Orca is up once it has
    # spoken its welcome.
    script -q -f -e -c "orca -u '$work/orca-prefs' --debug-file=/dev/stdout" "$work/orca.log" \
        </dev/null >"$work/orca.out" 2>&1 &
    pids+=($!)
    spoke() { grep -q 'SPEECH OUTPUT' "$work/orca.log" 2>/dev/null; }
    for _ in $(seq 600); do { spoke || ! kill -0 "${pids[-1]}" 2>/dev/null; } && break; sleep 0.1; done
    if ! spoke; then
        tail -n 20 "$work/orca.out" "$work/orca.log" 2>/dev/null >&2 || true
        echo "SKIP: Orca did not start here"
        exit 77
    fi

    start_game
    status=0
    run_checks 180 python3 "$here/orca_play.py" "$work/orca.log" "$work/spoken.txt" "$window" || status=1
    [ -z "${ZENTILE_KEEP_LOGS:-}" ] || cp "$work/orca.log" "$work/spoken.txt" "$ZENTILE_KEEP_LOGS" || true
    [ "$status" -ne 0 ] || echo "PASS"
    exit "$status"
fi

need Xvfb xdotool dbus-run-session dbus-send orca speech-dispatcher script python3 flock pgrep
[ -x /usr/lib/speech-dispatcher-modules/sd_generic ] || { echo "SKIP: no speech-dispatcher generic module"; exit 77; }
# Orca runs once per user, whatever the session: runs of this test take turns, and one
# already running, as on a desktop, is left alone.
exec 9>"${TMPDIR:-/tmp}/zentile-orca-$(id -u).lock"
flock -w 150 9 || { echo "SKIP: another run of this test held Orca for 150 s"; exit 77; }
# Orca may still be on its way out, from the last run or the last try.
wait_for_no_orca() {
    for _ in $(seq 300); do pgrep -u "$(id -u)" -x orca >/dev/null || break; sleep 0.1; done
}
wait_for_no_orca
! pgrep -u "$(id -u)" -x orca >/dev/null || { echo "SKIP: Orca is already running for this user"; exit 77; }

install_game "$1"
mkdir -p "$work/home" "$work/orca-prefs" "$work/config/speech-dispatcher/modules"
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
# Now and then a loaded machine makes Orca drop one event; a fault of the game fails every time,
# so a failed game is played once more from a fresh install and a fresh Orca.
for try in 1 2; do
    rm -f "$work/prefix/bin/"*.kvz
    : >"$work/spoken.txt"
    status=0
    enter_session || status=$?
    [ "$status" -eq 1 ] && [ "$try" -eq 1 ] || break
    echo "Once more, from a fresh install and a fresh Orca"
    wait_for_no_orca
done
exit "$status"
