// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/WordScoring.h"

#include <array>

namespace {

constexpr std::array<WordScoring::Value, 26> Letters = {{
    {1, 0},  // A
    {3, 0},  // B
    {3, 0},  // C
    {2, 0},  // D
    {1, 0},  // E
    {4, 0},  // F
    {2, 0},  // G
    {4, 0},  // H
    {1, 0},  // I
    {8, 8},  // J
    {5, 0},  // K
    {1, 0},  // L
    {3, 0},  // M
    {1, 0},  // N
    {1, 0},  // O
    {3, 0},  // P
    {10, 10}, // Q
    {1, 0},  // R
    {1, 0},  // S
    {1, 0},  // T
    {1, 0},  // U
    {4, 0},  // V
    {4, 0},  // W
    {8, 8},  // X
    {4, 0},  // Y
    {10, 10}, // Z
}};

} // namespace

std::optional<WordScoring::Value> WordScoring::valueOf(QChar letter)
{
    if (letter < QLatin1Char('A') || letter > QLatin1Char('Z'))
        return std::nullopt;
    return Letters[letter.unicode() - 'A'];
}

WordScoring::Value WordScoring::valueOf(const QString &word)
{
    Value sum{0, 0};
    for (const QChar letter : word) {
        if (const auto value = valueOf(letter)) {
            sum.points += value->points;
            sum.bonusSeconds += value->bonusSeconds;
        }
    }
    return sum;
}
