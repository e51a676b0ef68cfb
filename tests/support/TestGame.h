// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Game.h"
#include "support/MemoryView.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedRandom.h"

#include <QTemporaryDir>

#include <initializer_list>

// A started-up game on the in-memory view, with its data files in a fresh folder.
struct TestGame
{
    explicit TestGame(quint64 seed = 1);

    QString dictionaryPath() const { return dir.filePath(QStringLiteral("Dictionary.kvz")); }
    QString highScorePath() const { return dir.filePath(QStringLiteral("HighScore.kvz")); }

    // "Start Game".
    void start() { game.clock.cmdStart_Click(); }
    // Clicks the tiles in turn.
    void click(std::initializer_list<int> tiles);
    // Ticks until the game ends or `limit` ticks have passed; the number of ticks.
    int tickToEnd(int limit = 100000);

    QTemporaryDir dir;
    MemoryView view;
    ScriptedDialogs dialogs;
    ScriptedRandom random;
    Game game;
};
