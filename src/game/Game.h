// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/LetterGenerator.h"
#include "board/TileGrid.h"
#include "clock/TimeLimitOptions.h"
#include "core/GameModel.h"
#include "play/Dictionary.h"
#include "play/TileSelection.h"
#include "play/WordOffer.h"
#include "play/WordSubmission.h"
#include "scores/HighScores.h"

#include <QObject>
#include <QTimer>

class Dialogs;
class RandomSource;

// The whole game behind the window: its model, the parts that change it, and a game's life
// from Start to its end, ticked by its own timer. The window calls it and shows the model.
class Game : public QObject
{
    Q_OBJECT

public:
    // `parent` holds the play timer, "tmrPlay", in its object tree.
    Game(Dialogs &dialogs, RandomSource &random, const DataFolder &dataDir, QObject *parent = nullptr);

    // The start-up sequence: the default limit, then a first deal.
    void setUp();

    // "Start Game": the clock at the limit, counting down.
    void startGame();
    // "Finish Game": the clock at zero, counting even while waiting; the next tick ends the game.
    void finishGame();
    // One second off the clock, or the game's end when it reads zero.
    void tick();
    // "New": abandons any game, unscored, and deals a fresh board.
    void newBoard();

    GameModel model;
    LetterGenerator letters;
    TileGrid grid;
    TileSelection selection;     // pickTile, clearWord
    WordSubmission submission;   // submitWord
    Dictionary dictionary;
    WordOffer wordOffer;
    HighScores highScores;       // showTable, confirmReset
    TimeLimitOptions timeLimits; // setTimeLimit, chooseCustomLimit

private:
    // The high score, the word offer, then a fresh board with the clock left at zero.
    void endGame();
    // Clears what a game leaves and deals, the clock reading `clock`.
    void reset(ClockTime clock);
    void setTicking(bool ticking);

    QTimer m_timer;
};
