// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestGame.h"

TestGame::TestGame(quint64 seed)
    : random(seed)
    , game(view, dialogs, random, dir.path())
{
    game.Form_Load();
}

void TestGame::click(std::initializer_list<int> tiles)
{
    for (const int tile : tiles)
        game.selection.l_Click(tile);
}

int TestGame::tickToEnd(int limit)
{
    int ticks = 0;
    while (view.timerEnabled() && ticks < limit) {
        game.clock.tmrPlay_Timer();
        ++ticks;
    }
    return ticks;
}
