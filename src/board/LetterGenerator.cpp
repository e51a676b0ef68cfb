// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/LetterGenerator.h"

#include "core/RandomSource.h"

#include <cmath>

namespace {

// Indexed by roll; the rolls a table does not name fall back to its entry 0.
constexpr char Vowels[] = "EAUIOE";
constexpr char RareConsonants[] = "JJQXZ";
constexpr char CommonConsonants[] = "TSBCDTFGHWVKLMNYPR";

template<std::size_t N>
QChar pick(const char (&table)[N], int roll)
{
    return QLatin1Char(roll >= 0 && roll < int(N - 1) ? table[roll] : table[0]);
}

} // namespace

LetterGenerator::LetterGenerator(RandomSource &random)
    : m_random(random)
{
}

void LetterGenerator::reseed()
{
    m_random.reseed();
}

qint16 LetterGenerator::roundHalfEven(double value)
{
    const double down = std::floor(value);
    const double fraction = value - down;
    double result = down;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(down, 2.0) != 0.0))
        result = down + 1.0;
    return static_cast<qint16>(result);
}

qint16 LetterGenerator::roll(int size)
{
    return roundHalfEven(m_random.next() * size);
}

QChar LetterGenerator::vowel(int roll)
{
    return pick(Vowels, roll);
}

QChar LetterGenerator::rareConsonant(int roll)
{
    return pick(RareConsonants, roll);
}

QChar LetterGenerator::commonConsonant(int roll)
{
    return pick(CommonConsonants, roll);
}

QString LetterGenerator::GetLetter(qint16 &letterRoll)
{
    reseed();
    const int category = letterRoll;
    if (category < 6) {
        letterRoll = roll(5);
        return vowel(letterRoll);
    }
    if (category < 7) {
        letterRoll = roll(4);
        return rareConsonant(letterRoll);
    }
    letterRoll = roll(17);
    return commonConsonant(letterRoll);
}
