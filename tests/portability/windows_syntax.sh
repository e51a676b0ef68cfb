#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zentile developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Compiles every source file under src/ for 64-bit Windows, syntax only, against the
# installed Qt 6 headers: a call that only Linux has fails here before a Windows build does.
# Usage: windows_syntax.sh COMPILER SRC_DIR QT_HEADERS
set -uo pipefail
compiler=$1 src=$2 qt=$3
command -v "$compiler" >/dev/null || { echo "$compiler is missing: scripts/deps test installs it" >&2; exit 1; }
# Qt 6.8's Linux headers lack one Windows header; a stand-in is found only where it is missing.
fallback=$(cd "$(dirname "$0")" && pwd)/include
export compiler src qt fallback
find "$src" -name '*.cpp' | sort | xargs -P2 -I{} sh -c '
    "$compiler" -std=c++20 -fsyntax-only -w -DUNICODE -D_UNICODE -DQT_CORE_LIB -DQT_GUI_LIB -DQT_WIDGETS_LIB \
        -I"$src" -I"$qt" -I"$qt/QtCore" -I"$qt/QtGui" -I"$qt/QtWidgets" -idirafter "$fallback" "{}" 2>&1 ||
        { echo "FAILED: {}"; exit 1; }'
status=$?
count=$(find "$src" -name '*.cpp' | wc -l)
[ $status -eq 0 ] && echo "All $count source files compile for Windows." || echo "Some of the $count source files do not compile for Windows." >&2
exit $status
