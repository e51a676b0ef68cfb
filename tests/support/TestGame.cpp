// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestGame.h"

TestGame::TestGame(quint64 seed)
    : random(seed)
    , game(dialogs, random, dir.path())
{
    game.setUp();
}

void TestGame::click(std::initializer_list<int> tiles)
{
    for (const int tile : tiles)
        game.selection.pickTile(tile);
}

int TestGame::tickToEnd(int limit)
{
    int ticks = 0;
    while (model.ticking() && ticks < limit) {
        game.tick();
        ++ticks;
    }
    return ticks;
}

void TestGame::setBoard(const QString &letters)
{
    model.dealLetters(letters + model.letters().mid(letters.size()));
}

void TestGame::setClock(const QString &text)
{
    model.setClock({qint16(text.section(QLatin1Char(':'), 0, 0).toInt()), qint16(text.section(QLatin1Char(':'), 1).toInt())});
}
