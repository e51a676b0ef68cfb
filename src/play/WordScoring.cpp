// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/WordScoring.h"

#include "core/Dialogs.h"
#include "core/GameModel.h"

#include <array>

namespace {

constexpr std::array<WordScoring::LetterValue, 26> Letters = {{
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

WordScoring::WordScoring(GameModel &model, Dialogs &dialogs)
    : m_model(model)
    , m_dialogs(dialogs)
{
}

std::optional<WordScoring::LetterValue> WordScoring::valueOf(QChar letter)
{
    if (letter < QLatin1Char('A') || letter > QLatin1Char('Z'))
        return std::nullopt;
    return Letters[letter.unicode() - 'A'];
}

void WordScoring::AddCurrentScore(QChar letter)
{
    const auto value = valueOf(letter);
    if (!value) {
        m_dialogs.inform(letter, QStringLiteral("Zentile"));
        return;
    }
    m_model.setWordScore(m_model.wordScore() + value->points);
    if (value->bonusSeconds > 0)
        m_model.setTimeBonus(m_model.timeBonus() + value->bonusSeconds);
}
