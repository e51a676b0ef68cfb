// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/HighScoreFile.h"

class Dialogs;
class GameModel;

// Enters a final score into the table, shows the table and resets it.
class HighScores
{
public:
    HighScores(GameModel &model, Dialogs &dialogs, const DataFolder &dataDir);

    // Puts the game's score into the table under a name the player types.
    void CheckHighScore();
    // The table in a box, or why it cannot be read.
    void showTable();
    // Asks, then empties the table.
    void confirmReset();
    // Writes the empty table.
    void ResetScores();

    // The text the "High Scores" box shows.
    static QString tableText(const HighScoreFile::Table &table);
    // `table` with `score` entered at the first place it beats; false when it beats none.
    static bool enter(HighScoreFile::Table &table, qint64 score, const QString &name);
    // The first place (0 to 9) whose score `score` beats, or -1.
    static int placeFor(const HighScoreFile::Table &table, qint64 score);

private:
    std::optional<HighScoreFile::Table> readTable();
    // Saves `change` to the table on disk; `failure` is the box's text, with %1 the file and %2
    // the reason. While a live game keeps the folder locked, the box asks whether to try again.
    void updateTable(const std::function<bool(HighScoreFile::Table &)> &change, const QString &failure);
    // Shows `failure` with the path it is about (the table's when empty) and the reason filled in.
    void report(const QString &failure, const QString &error, const QString &about = {});

    GameModel &m_model;
    Dialogs &m_dialogs;
    HighScoreFile m_file;
};
