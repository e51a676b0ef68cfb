// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/LetterGenerator.h"

#include "core/RandomSource.h"

#include <cmath>

namespace {

// A tile's category roll is 0 to CategoryTop: the first VowelCategories give a vowel, the next
// one a rare consonant, the rest a common one, so about half the tiles are vowels.
constexpr int CategoryTop = 11;
constexpr int VowelCategories = 6;
constexpr int RareCategories = 1;

// Indexed by roll; the rolls a table does not name fall back to its entry 0.
constexpr char Vowels[] = "EAUIOE";
constexpr char RareConsonants[] = "JJQXZ";
constexpr char CommonConsonants[] = "TSBCDTFGHWVKLMNYPR";

// The highest roll a table is drawn with: its last letter's index.
template<std::size_t N>
constexpr int rollTop(const char (&)[N])
{
    return int(N) - 2;
}

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

qint16 LetterGenerator::rollCategory()
{
    return roll(CategoryTop);
}

QString LetterGenerator::GetLetter(qint16 &letterRoll)
{
    reseed();
    const int category = letterRoll;
    if (category < VowelCategories) {
        letterRoll = roll(rollTop(Vowels));
        return vowel(letterRoll);
    }
    if (category < VowelCategories + RareCategories) {
        letterRoll = roll(rollTop(RareConsonants));
        return rareConsonant(letterRoll);
    }
    letterRoll = roll(rollTop(CommonConsonants));
    return commonConsonant(letterRoll);
}
