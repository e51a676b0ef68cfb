#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zentile developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Makes a fresh Wine prefix in folder $1, replacing one left by an earlier run.
set -euo pipefail
export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES='winemenubuilder.exe,mscoree,mshtml=d'
wineserver -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
"$wine" wineboot --init
wineserver --wait
echo "Wine prefix ready in $WINEPREFIX"
