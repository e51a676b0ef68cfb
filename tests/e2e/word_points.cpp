// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints the points of the word given, by the game's own table, for the scripts that check
// the stored score.

#include "play/WordScoring.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    int points = 0;
    for (const QChar letter : QString::fromLatin1(argc == 2 ? argv[1] : ""))
        points += WordScoring::valueOf(letter).value_or(WordScoring::LetterValue{0, 0}).points;
    std::printf("%d\n", points);
    return argc == 2 ? 0 : 2;
}
