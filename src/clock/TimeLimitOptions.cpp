// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/TimeLimitOptions.h"

#include "core/Dialogs.h"
#include "core/GameModel.h"

namespace {

// 02:00: long enough for a first game to find its rhythm.
constexpr int DefaultRow = 3;

} // namespace

const QList<ClockTime> &TimeLimitOptions::fixed()
{
    // A row here is a menu entry; the menu is built from this list.
    static const QList<ClockTime> limits = {
        {0, 30},
        {1, 0},
        {1, 30},
        {2, 0},
    };
    return limits;
}

int TimeLimitOptions::defaultRow()
{
    return DefaultRow;
}

TimeLimitOptions::TimeLimitOptions(GameModel &model, Dialogs &dialogs)
    : m_model(model)
    , m_dialogs(dialogs)
{
}

void TimeLimitOptions::unticktimes()
{
    m_model.setCheckedLimit(-1);
}

void TimeLimitOptions::showLimitWhileWaiting()
{
    if (!m_model.ticking())
        m_model.setClock(m_model.timeLimit());
}

void TimeLimitOptions::setTimeLimit(int row)
{
    m_model.setTimeLimit(fixed().at(row));
    m_model.setCheckedLimit(row);
    showLimitWhileWaiting();
}

void TimeLimitOptions::chooseCustomLimit()
{
    unticktimes();
    const QString typed = m_dialogs.askText(QStringLiteral("Please enter the length of a game in the format 'MM:SS'."),
                                            QStringLiteral("Time Limit"), QStringLiteral("MM:SS"), Dialogs::AnyLength);
    if (const auto limit = ClockTime::parse(typed))
        m_model.setTimeLimit(*limit);
    else
        m_dialogs.inform(QStringLiteral("You entered the time in the wrong format"), QStringLiteral("Zentile"));
    showLimitWhileWaiting();
}
