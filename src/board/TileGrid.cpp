// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/TileGrid.h"

#include "core/GameState.h"
#include "board/LetterGenerator.h"
#include "core/GameView.h"

TileGrid::TileGrid(GameView &view, GameState &state, LetterGenerator &letters)
    : m_view(view)
    , m_state(state)
    , m_letters(letters)
{
}

void TileGrid::fillRowStarts()
{
    for (int j = 0; j < BoardSide; ++j)
        m_state.RowStart[j] = static_cast<qint16>(BoardSide * j);
}

void TileGrid::MakeGrid()
{
    m_state.CurrentRow = 1;
    // Sized before any copy exists, so every copy is born at the tile size.
    QRect first = m_view.tiles().tileGeometry(0);
    first.setSize(QSize(TileSize, TileSize));
    m_view.tiles().setTileGeometry(0, first);
    fillRowStarts();
    for (qint16 i = 1; i < TileCount; ++i) {
        m_view.tiles().createTile(i);
        AddTile(i);
    }
}

void TileGrid::AddTile(qint16 n)
{
    const int rowHeight = m_view.tiles().tileGeometry(0).height();
    QRect tile = m_view.tiles().tileGeometry(n);
    for (int j = 0; j < BoardSide; ++j) {
        if (m_state.RowStart[j] == n) {
            tile.moveTo(Margin, m_state.CurrentRow * rowHeight + Margin);
            m_view.tiles().setTileGeometry(n, tile);
            m_view.tiles().showTile(n);
            m_state.CurrentRow = static_cast<qint16>(j + 1);
            return;
        }
    }
    const QRect before = m_view.tiles().tileGeometry(n - 1);
    const int top = m_state.CurrentRow == 1 ? Margin : (m_state.CurrentRow - 1) * rowHeight + Margin;
    tile.moveTo(before.x() + before.width(), top);
    m_view.tiles().setTileGeometry(n, tile);
    m_view.tiles().showTile(n);
}

void TileGrid::PopulateTiles()
{
    m_view.setButtonEnabled(WordButton::Enter, false);
    m_view.setButtonEnabled(WordButton::Shuffle, false);
    m_view.setButtonEnabled(WordButton::Clear, false);
    m_view.setTimerEnabled(false);
    m_view.setStartPanelShown(true);
    m_view.clearWords();
    m_view.setCaption(ValueLabel::Time, m_state.TimeLimit);
    for (int i = 0; i < TileCount; ++i) {
        m_letters.reseed();
        m_state.LetterRoll = m_letters.roll(11);
        m_view.tiles().setTileCaption(i, m_letters.GetLetter(m_state.LetterRoll));
    }
    fillRowStarts();
}
