// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints the points of the word given, as the README's table counts them, for the scripts
// that check the stored score.

#include "support/LetterTable.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    std::printf("%d\n", LetterTable::valueOf(QString::fromLatin1(argc == 2 ? argv[1] : "")).points);
    return argc == 2 ? 0 : 2;
}
