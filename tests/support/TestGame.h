// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Game.h"
#include "support/LetterTable.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedRandom.h"

#include <QTemporaryDir>

#include <initializer_list>

// A started-up game, seen through its model, with its data files in a fresh folder.
struct TestGame
{
    explicit TestGame(quint64 seed = 1);

    QString dictionaryPath() const { return dir.filePath(QStringLiteral("Dictionary.kvz")); }
    QString highScorePath() const { return dir.filePath(QStringLiteral("HighScore.kvz")); }

    // "Start Game".
    void start() { game.startGame(); }
    // Clicks the tiles in turn.
    void click(std::initializer_list<int> tiles);
    // Ticks until the game ends or `limit` ticks have passed; the number of ticks.
    int tickToEnd(int limit = 100000);
    // Puts `letters` on the board from tile 0 on; the other tiles keep theirs.
    void setBoard(const QString &letters);
    // The clock as the window shows it, and written from such a text, "MMM:SS" too.
    QString clock() const { return model.clock().text(); }
    void setClock(const QString &text);
    // The points and bonus seconds of `word` as a player reads them in the README.
    static LetterTable::Value valueOf(const QString &word) { return LetterTable::valueOf(word); }
    static int pointsOf(const QString &word) { return valueOf(word).points; }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    ScriptedRandom random;
    Game game;
    GameModel &model = game.model;
};
