// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The letters' worth as the README's table gives it to a player. Tests take expected values
// from here, never from the game's own table, so a wrong entry there is caught.
namespace LetterTable {

struct Row { const char *letters; int points; int bonusSeconds; };
inline constexpr Row Rows[] = {
    {"AEIOUTSRNL", 1, 0}, {"DG", 2, 0}, {"BMPC", 3, 0}, {"FHYWV", 4, 0}, {"K", 5, 0}, {"JX", 8, 8}, {"QZ", 10, 10},
};

struct Value { int points = 0; int bonusSeconds = 0; };

// The sum over the capitals of `word`; other characters count nothing.
inline Value valueOf(const QString &word)
{
    Value sum;
    for (const QChar letter : word)
        for (const Row &row : Rows)
            if (letter.unicode() < 128 && QByteArrayView(row.letters).contains(char(letter.unicode())))
                sum = {sum.points + row.points, sum.bonusSeconds + row.bonusSeconds};
    return sum;
}

} // namespace LetterTable
