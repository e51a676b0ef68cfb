// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ClockTime.h"

#include <array>

class Dialogs;
class GameModel;

// The "Time Limit" menu: the fixed lengths below, one menu entry each, and a typed one.
class TimeLimitOptions
{
public:
    static constexpr auto Fixed = std::to_array<ClockTime>({
        {0, 30},
        {1, 0},
        {1, 30},
        {2, 0},
    });
    // The row every start-up begins with.
    static constexpr int DefaultRow = 3;

    TimeLimitOptions(GameModel &model, Dialogs &dialogs);

    // Row `row` of the fixed lengths, checked.
    void setTimeLimit(int row);
    // Asks for a length typed as "MM:SS"; a refused text keeps the limit.
    void chooseCustomLimit();
    // Removes the check mark of every fixed length.
    void unticktimes();

private:
    void showLimitWhileWaiting();

    GameModel &m_model;
    Dialogs &m_dialogs;
};
