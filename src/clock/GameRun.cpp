// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/GameRun.h"

#include "board/TileGrid.h"
#include "core/GameModel.h"
#include "play/WordOffer.h"
#include "scores/HighScores.h"

GameRun::GameRun(GameModel &model, TileGrid &grid, HighScores &highScores, WordOffer &offer)
    : m_model(model)
    , m_grid(grid)
    , m_highScores(highScores)
    , m_offer(offer)
{
}

void GameRun::startGame()
{
    m_model.setClock(m_model.timeLimit());
    m_model.setTicking(true);
    m_model.setPhase(GameModel::Phase::Running);
}

void GameRun::finishGame()
{
    m_model.setClock({});
    m_model.setTicking(true);
}

void GameRun::endGame()
{
    // Stopped first: the boxes below run inside this tick.
    m_model.setTicking(false);
    // A Finish while waiting ends no game that was played: the window stays as it waits.
    if (m_model.phase() == GameModel::Phase::Running)
        m_model.setPhase(GameModel::Phase::Ending);
    emit m_model.gameEnded(m_model.score());
    m_highScores.CheckHighScore();
    m_offer.offerNewWords();
    newBoard();
}

void GameRun::newBoard()
{
    if (m_model.phase() == GameModel::Phase::Running)
        emit m_model.gameAbandoned();
    // Nothing of an abandoned game may count in the next one.
    m_model.clearWord();
    m_model.setTicking(false);
    m_model.setPhase(GameModel::Phase::Waiting);
    m_model.clearPlayedWords();
    m_model.setScore(0);
    m_model.setClock(m_model.timeLimit());
    m_grid.PopulateTiles();
}
