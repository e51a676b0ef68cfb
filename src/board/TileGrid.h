// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class GameModel;
class LetterGenerator;

// Deals the board's 400 letters.
class TileGrid
{
public:
    TileGrid(GameModel &model, LetterGenerator &letters);

    // Deals 400 new letters, tile 0 onwards.
    void PopulateTiles();

private:
    GameModel &m_model;
    LetterGenerator &m_letters;
};
