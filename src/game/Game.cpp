// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Game.h"

#include "storage/RegularFile.h"

Game::Game(Dialogs &dialogs, RandomSource &random, const DataFolder &dataDir)
    : letters(random)
    , grid(model, letters)
    , scoring(model, dialogs)
    , selection(model, scoring)
    , submission(model)
    , dictionary(dataDir, dialogs)
    , wordOffer(model, dialogs, dictionary)
    , highScores(model, dialogs, dataDir)
    , run(model, grid, highScores, wordOffer)
    , countdown(model, run)
    , timeLimits(model, dialogs)
{
    // The data files are written from here on: a file-size limit must fail a write, not end the game.
    RegularFile::keepSizeLimitSignalHarmless();
}

void Game::setUp()
{
    timeLimits.setTimeLimit(TimeLimitOptions::DefaultRow);
    run.newBoard();
}
