// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Game.h"

#include "storage/RegularFile.h"

Game::Game(Dialogs &dialogs, RandomSource &random, const DataFolder &dataDir, QObject *parent)
    : QObject(parent)
    , letters(random)
    , grid(model, letters)
    , selection(model, dialogs)
    , submission(model)
    , dictionary(dataDir, dialogs)
    , wordOffer(model, dialogs, dictionary)
    , highScores(model, dialogs, dataDir)
    , timeLimits(model, dialogs)
    , m_timer(this)
{
    // The data files are written from here on: a file-size limit must fail a write, not end the game.
    RegularFile::keepSizeLimitSignalHarmless();
    m_timer.setObjectName(QStringLiteral("tmrPlay"));
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &Game::tick);
}

void Game::setUp()
{
    timeLimits.setTimeLimit(TimeLimitOptions::defaultRow());
    newBoard();
}

void Game::startGame()
{
    model.setClock(model.timeLimit());
    setTicking(true);
    model.setPhase(GameModel::Phase::Running);
}

void Game::finishGame()
{
    model.setClock({});
    setTicking(true);
}

void Game::tick()
{
    if (const auto left = model.clock().lessOneSecond())
        model.setClock(*left);
    else
        endGame();
}

void Game::newBoard()
{
    if (model.phase() == GameModel::Phase::Running)
        emit model.gameAbandoned();
    reset(model.timeLimit());
}

void Game::endGame()
{
    // Stopped first: the boxes below open inside this tick.
    setTicking(false);
    // A Finish while waiting ends no game that was played: the window stays as it waits.
    if (model.phase() == GameModel::Phase::Running)
        model.setPhase(GameModel::Phase::Ending);
    emit model.gameEnded(model.score());
    highScores.CheckHighScore();
    wordOffer.offerNewWords();
    // A game that ran out leaves its clock at zero on the new board.
    reset({});
}

void Game::reset(ClockTime clock)
{
    // Nothing of an abandoned game may count in the next one.
    model.clearWord();
    setTicking(false);
    model.setPhase(GameModel::Phase::Waiting);
    model.clearPlayedWords();
    model.setScore(0);
    model.setClock(clock);
    grid.PopulateTiles();
}

void Game::setTicking(bool ticking)
{
    model.setTicking(ticking);
    // Started only when stopped, so a Finish during a game keeps the running timer's rhythm.
    if (!ticking)
        m_timer.stop();
    else if (!m_timer.isActive())
        m_timer.start();
}
