# SPDX-FileCopyrightText: 2026 Zentile developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack before each package's staging install: Debian keeps games in /usr/games.
if(CPACK_GENERATOR STREQUAL "DEB")
    set(ENV{ZENTILE_PACKAGE_BINDIR} games)
else()
    unset(ENV{ZENTILE_PACKAGE_BINDIR})
endif()
