// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Dialogs;
class GameModel;

// Picks tiles that touch into the current word, and clears it.
class TileSelection
{
public:
    TileSelection(GameModel &model, Dialogs &dialogs);

    // Extends the word with tile `index`, or starts a new one from a tile that does not touch
    // the last one picked. Ignored while no game runs and for tiles already in the word.
    // A tile that holds no letter A to Z is shown in a box, and scores nothing.
    void pickTile(int index);
    // The Clear command: empties the word and its points and bonus.
    void clearWord();

private:
    GameModel &m_model;
    Dialogs &m_dialogs;
    // Kept across words, games and deals: only the next pick's touching is measured from it.
    int m_lastTile = 0;
};
