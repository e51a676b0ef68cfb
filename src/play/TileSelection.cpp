// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/TileSelection.h"

#include "core/GameState.h"
#include "play/WordScoring.h"
#include "core/GameView.h"

#include <cstdlib>

TileSelection::TileSelection(GameView &view, GameState &state, WordScoring &scoring)
    : m_view(view)
    , m_state(state)
    , m_scoring(scoring)
{
}

bool TileSelection::adjacent(int a, int b)
{
    if (a == b)
        return false;
    return std::abs(a / BoardSide - b / BoardSide) <= 1 && std::abs(a % BoardSide - b % BoardSide) <= 1;
}

void TileSelection::l_Click(int index)
{
    if (index < 0 || index >= TileCount)
        return;
    if (m_view.startPanelShown() || m_view.tiles().tileMarked(index))
        return;
    const QString letter = m_view.tiles().tileCaption(index);
    if (adjacent(index, m_state.LastTile)) {
        m_view.tiles().setTileMarked(index, true);
        m_view.setCaption(ValueLabel::Word, m_view.caption(ValueLabel::Word) + letter);
    } else {
        cmdClear_Click();
        m_view.tiles().setTileMarked(index, true);
        m_view.setCaption(ValueLabel::Word, letter);
    }
    m_scoring.AddCurrentScore(letter);
    m_state.LastTile = static_cast<qint16>(index);
}

void TileSelection::cmdClear_Click()
{
    for (int i = 0; i < TileCount; ++i)
        m_view.tiles().setTileMarked(i, false);
    m_view.setCaption(ValueLabel::Word, QString());
    m_view.setCaption(ValueLabel::ThisScore, QStringLiteral("0"));
    m_view.setCaption(ValueLabel::AddTime, QStringLiteral("0"));
}
