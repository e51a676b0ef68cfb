// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/LetterGenerator.h"
#include "board/TileGrid.h"
#include "clock/GameClock.h"
#include "clock/TimeLimitOptions.h"
#include "core/GameState.h"
#include "play/Dictionary.h"
#include "play/TileSelection.h"
#include "play/WordScoring.h"
#include "play/WordSubmission.h"
#include "scores/HighScores.h"

class Dialogs;
class GameView;
class RandomSource;

// The whole game behind the window: the state its handlers share and the parts that own
// the handlers. The window wires each control straight to its part's handler.
class Game
{
public:
    Game(GameView &view, Dialogs &dialogs, RandomSource &random, const DataFolder &dataDir);
    Game(const Game &) = delete;
    Game &operator=(const Game &) = delete;

    // The start-up sequence: the limit "02:00", the board built, then dealt.
    void Form_Load();

    GameState state;
    LetterGenerator letters;
    TileGrid grid;
    WordScoring scoring;
    TileSelection selection;    // l_Click, cmdClear_Click
    WordSubmission submission;  // cmdEnter_Click, l_DblClick
    Dictionary dictionary;
    HighScores highScores;      // mnuScores_Click, mnuReset_Click
    GameClock clock;            // cmdStart_Click, cmdFinish_Click, tmrPlay_Timer, mnuNew_Click
    TimeLimitOptions timeLimits; // mnu30_Click ... mnuCustom_Click
};
