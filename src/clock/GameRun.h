// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class GameModel;
class HighScores;
class TileGrid;
class WordOffer;

// A game's life: its start, its end with the high score and the word offer, and its
// abandonment for a new board.
class GameRun
{
public:
    GameRun(GameModel &model, TileGrid &grid, HighScores &highScores, WordOffer &offer);

    // Sets the clock to the limit and starts the countdown.
    void startGame();
    // Sets the clock to zero, counting even while waiting; the next tick ends the game.
    void finishGame();
    // Scores the game, offers its words, and waits for the next on a fresh board.
    void endGame();
    // Abandons any game, unscored, and deals a fresh board.
    void newBoard();

private:
    GameModel &m_model;
    TileGrid &m_grid;
    HighScores &m_highScores;
    WordOffer &m_offer;
};
