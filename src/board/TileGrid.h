// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class GameView;
class LetterGenerator;
struct GameState;

// Builds the board of 20 by 20 tiles once and deals fresh letters into it.
class TileGrid
{
public:
    static constexpr int TileSize = 345; // twips
    static constexpr int Margin = 240;   // twips

    TileGrid(GameView &view, GameState &state, LetterGenerator &letters);

    // Creates tiles 1 to 399 as copies of tile 0 and lays all of them out.
    void MakeGrid();
    // Places tile `n` (1 to 399, in ascending order) after the one before it.
    void AddTile(qint16 n);
    // Deals 400 new letters and returns the window to waiting for a game.
    void PopulateTiles();

private:
    void fillRowStarts();

    GameView &m_view;
    GameState &m_state;
    LetterGenerator &m_letters;
};
