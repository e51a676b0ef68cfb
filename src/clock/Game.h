// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/GameState.h"
#include "board/LetterGenerator.h"
#include "board/TileGrid.h"
#include "clock/GameClock.h"
#include "clock/TimeLimitOptions.h"
#include "play/Dictionary.h"
#include "play/TileSelection.h"
#include "play/WordScoring.h"
#include "play/WordSubmission.h"
#include "scores/HighScores.h"

class Dialogs;
class GameView;
class RandomSource;

// The whole game behind the window: its shared state and one handler for each event.
class Game
{
public:
    Game(GameView &view, Dialogs &dialogs, RandomSource &random, const QString &dataDir);

    // The start-up sequence: the limit "02:00", the board built, then dealt.
    void Form_Load();

    void l_Click(int index) { m_selection.l_Click(index); }
    // Submits the current word whichever tile was double-clicked.
    void l_DblClick(int /*index*/) { m_submission.cmdEnter_Click(); }
    void cmdClear_Click() { m_selection.cmdClear_Click(); }
    void cmdEnter_Click() { m_submission.cmdEnter_Click(); }
    void cmdStart_Click() { m_clock.cmdStart_Click(); }
    void cmdFinish_Click() { m_clock.cmdFinish_Click(); }
    void tmrPlay_Timer() { m_clock.tmrPlay_Timer(); }
    void mnuNew_Click() { m_clock.mnuNew_Click(); }
    void mnu30_Click() { m_timeLimits.mnu30_Click(); }
    void mnu1_Click() { m_timeLimits.mnu1_Click(); }
    void mnu130_Click() { m_timeLimits.mnu130_Click(); }
    void mnu2_Click() { m_timeLimits.mnu2_Click(); }
    void mnuCustom_Click() { m_timeLimits.mnuCustom_Click(); }
    void mnuScores_Click() { m_highScores.mnuScores_Click(); }
    void mnuReset_Click() { m_highScores.mnuReset_Click(); }

    const GameState &state() const { return m_state; }
    TileGrid &grid() { return m_grid; }
    Dictionary &dictionary() { return m_dictionary; }
    HighScores &highScores() { return m_highScores; }

private:
    GameState m_state;
    LetterGenerator m_letters;
    TileGrid m_grid;
    WordScoring m_scoring;
    TileSelection m_selection;
    WordSubmission m_submission;
    Dictionary m_dictionary;
    HighScores m_highScores;
    GameClock m_clock;
    TimeLimitOptions m_timeLimits;
};
