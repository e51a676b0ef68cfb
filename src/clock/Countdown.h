// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class GameModel;
class GameRun;

// Counts the clock down a second a tick; the tick that finds it at zero ends the game.
class Countdown
{
public:
    Countdown(GameModel &model, GameRun &run);

    // One second off the clock, or the game's end; either way the clock then reads what was counted.
    void tick();

private:
    GameModel &m_model;
    GameRun &m_run;
};
