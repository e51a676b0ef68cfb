// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/WordScoring.h"

#include "core/CaptionNumber.h"
#include "core/Dialogs.h"
#include "core/GameView.h"

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

void addTo(GameView &view, ValueLabel label, int amount)
{
    view.setCaption(label, CaptionNumber::text(CaptionNumber::value(view.caption(label)) + amount));
}

} // namespace

WordScoring::WordScoring(GameView &view, Dialogs &dialogs)
    : m_view(view)
    , m_dialogs(dialogs)
{
}

std::optional<WordScoring::LetterValue> WordScoring::valueOf(const QString &letter)
{
    if (letter.size() != 1 || letter.at(0) < QLatin1Char('A') || letter.at(0) > QLatin1Char('Z'))
        return std::nullopt;
    return Letters[letter.at(0).unicode() - 'A'];
}

void WordScoring::AddCurrentScore(const QString &letter)
{
    const auto value = valueOf(letter);
    if (!value) {
        m_dialogs.inform(letter, QStringLiteral("Zentile"));
        return;
    }
    addTo(m_view, ValueLabel::ThisScore, value->points);
    if (value->bonusSeconds > 0)
        addTo(m_view, ValueLabel::AddTime, value->bonusSeconds);
}
