// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class RandomSource;

// Turns rolls of the random source into tile letters with the board's odds.
class LetterGenerator
{
public:
    explicit LetterGenerator(RandomSource &random);

    void reseed();
    // A fresh uniform number times `size`, rounded half to even: 0 to `size`.
    qint16 roll(int size);
    // A fresh category roll, for GetLetter.
    qint16 rollCategory();
    // Picks a letter for the category roll held in `letterRoll` and leaves the letter roll there.
    QString GetLetter(qint16 &letterRoll);

    static qint16 roundHalfEven(double value);
    // The letter a group's table gives for a letter roll.
    static QChar vowel(int roll);
    static QChar rareConsonant(int roll);
    static QChar commonConsonant(int roll);

private:
    RandomSource &m_random;
};
