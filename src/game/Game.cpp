// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Game.h"

Game::Game(GameView &view, Dialogs &dialogs, RandomSource &random, const DataFolder &dataDir)
    : letters(random)
    , grid(view, state, letters)
    , scoring(view, dialogs)
    , selection(view, state, scoring)
    , submission(view, state, selection)
    , dictionary(dataDir, dialogs)
    , highScores(view, dialogs, state, dataDir)
    , clock(view, state, dialogs, grid, selection, highScores, dictionary)
    , timeLimits(view, state, dialogs)
{
}

void Game::Form_Load()
{
    state.TimeLimit = QStringLiteral("02:00");
    grid.MakeGrid();
    grid.PopulateTiles();
}
