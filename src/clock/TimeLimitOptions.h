// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ClockTime.h"

#include <QList>

class Dialogs;
class GameModel;

// The "Time Limit" menu: fixed lengths, one menu entry each, and a typed one.
class TimeLimitOptions
{
public:
    // The fixed lengths, in the menu's order.
    static const QList<ClockTime> &fixed();
    // The row every start-up begins with.
    static int defaultRow();

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
