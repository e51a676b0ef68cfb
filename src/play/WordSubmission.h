// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class GameView;
class TileSelection;
struct GameState;

// Lists a new word of three letters or more, scores it and lengthens the clock.
class WordSubmission
{
public:
    WordSubmission(GameView &view, GameState &state, TileSelection &selection);

    // Submits the current word, then clears it whether or not it was taken.
    void cmdEnter_Click();
    // A double click on any tile submits the current word.
    void l_DblClick(int /*index*/) { cmdEnter_Click(); }

private:
    GameView &m_view;
    GameState &m_state;
    TileSelection &m_selection;
};
