// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class GameView;
class WordScoring;
struct GameState;

// Picks tiles that touch into the current word, and clears it.
class TileSelection
{
public:
    TileSelection(GameView &view, GameState &state, WordScoring &scoring);

    // A click on tile `index`: extends the word, or starts a new one from a tile that does not touch.
    void l_Click(int index);
    // Unmarks every tile and empties the word and its score.
    void cmdClear_Click();

    // True for two different tiles whose rows and columns each differ by at most one.
    static bool adjacent(int a, int b);

private:
    GameView &m_view;
    GameState &m_state;
    WordScoring &m_scoring;
};
