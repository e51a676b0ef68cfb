// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class GameModel;
class WordScoring;

// Picks tiles that touch into the current word, and clears it.
class TileSelection
{
public:
    TileSelection(GameModel &model, WordScoring &scoring);

    // Extends the word with tile `index`, or starts a new one from a tile that does not touch
    // the last one picked. Ignored while no game runs and for tiles already in the word.
    void pickTile(int index);
    // The Clear command: empties the word and its points and bonus.
    void clearWord();

private:
    GameModel &m_model;
    WordScoring &m_scoring;
    // Kept across words, games and deals: only the next pick's touching is measured from it.
    int m_lastTile = 0;
};
