// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/LetterGenerator.h"
#include "board/TileGrid.h"
#include "clock/Countdown.h"
#include "clock/GameRun.h"
#include "clock/TimeLimitOptions.h"
#include "core/GameModel.h"
#include "play/Dictionary.h"
#include "play/TileSelection.h"
#include "play/WordOffer.h"
#include "play/WordScoring.h"
#include "play/WordSubmission.h"
#include "scores/HighScores.h"

class Dialogs;
class RandomSource;

// The whole game behind the window: its model and the parts that change it. The window
// calls the parts and shows the model.
class Game
{
public:
    Game(Dialogs &dialogs, RandomSource &random, const DataFolder &dataDir);
    Game(const Game &) = delete;
    Game &operator=(const Game &) = delete;

    // The start-up sequence: the default limit, then a first deal.
    void setUp();

    GameModel model;
    LetterGenerator letters;
    TileGrid grid;
    WordScoring scoring;
    TileSelection selection;     // pickTile, clearWord
    WordSubmission submission;   // submitWord
    Dictionary dictionary;
    WordOffer wordOffer;
    HighScores highScores;       // showTable, confirmReset
    GameRun run;                 // startGame, finishGame, newBoard
    Countdown countdown;         // tick
    TimeLimitOptions timeLimits; // setTimeLimit, chooseCustomLimit
};
