// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Dialogs;
class Dictionary;
class GameView;
class HighScores;
class TileGrid;
class TileSelection;
struct GameState;

// Starts, finishes and abandons games, counts the clock down and ends a game.
class GameClock
{
public:
    GameClock(GameView &view, GameState &state, Dialogs &dialogs, TileGrid &grid, TileSelection &selection,
              HighScores &highScores, Dictionary &dictionary);

    void cmdStart_Click();
    // Sets the clock to zero; the next tick ends the game.
    void cmdFinish_Click();
    // One second off the clock; the tick that finds it at zero ends the game.
    void tmrPlay_Timer();
    // Abandons any game, unscored, and deals a fresh board.
    void mnuNew_Click();

private:
    void endGame();
    void offerNewWords();
    void clearGame();

    GameView &m_view;
    GameState &m_state;
    Dialogs &m_dialogs;
    TileGrid &m_grid;
    TileSelection &m_selection;
    HighScores &m_highScores;
    Dictionary &m_dictionary;
};
