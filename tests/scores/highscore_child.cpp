// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Ends a game with a high score in the data folder given, and at the name box either holds there
// until it is killed ("hold") or types "Kid" ("answer").
// Usage: highscore_child DATA_DIR SCORE hold|answer

#include "game/Game.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedRandom.h"

#include <QThread>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fputs("usage: highscore_child DATA_DIR SCORE hold|answer\n", stderr);
        return 2;
    }
    const bool hold = std::strcmp(argv[3], "hold") == 0;

    ScriptedDialogs dialogs;
    ScriptedRandom random;
    Game game(dialogs, random, QString::fromLocal8Bit(argv[1]));
    game.setUp();
    game.model.setScore(QByteArray(argv[2]).toLongLong());

    bool asked = false;
    dialogs.textAnswers = {QStringLiteral("Kid")};
    dialogs.whileShowing = [&](const ScriptedDialogs::Shown &box) {
        if (box.kind != ScriptedDialogs::Kind::AskText)
            return;
        asked = true;
        std::fputs("NAME-BOX\n", stdout);
        std::fflush(stdout);
        while (hold)
            QThread::sleep(1);
    };
    game.highScores.CheckHighScore();
    if (!asked) {
        std::fputs("no name box\n", stderr);
        return 1;
    }
    return 0;
}
