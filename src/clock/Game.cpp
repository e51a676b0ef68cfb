// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/Game.h"

Game::Game(GameView &view, Dialogs &dialogs, RandomSource &random, const QString &dataDir)
    : m_letters(random)
    , m_grid(view, m_state, m_letters)
    , m_scoring(view, dialogs)
    , m_selection(view, m_state, m_scoring)
    , m_submission(view, m_state, m_selection)
    , m_dictionary(dataDir, dialogs)
    , m_highScores(view, dialogs, m_state, dataDir)
    , m_clock(view, m_state, dialogs, m_grid, m_selection, m_highScores, m_dictionary)
    , m_timeLimits(view, m_state, dialogs)
{
}

void Game::Form_Load()
{
    m_state.TimeLimit = QStringLiteral("02:00");
    m_grid.MakeGrid();
    m_grid.PopulateTiles();
}
