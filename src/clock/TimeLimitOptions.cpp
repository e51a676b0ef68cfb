// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/TimeLimitOptions.h"

#include "core/GameState.h"
#include "core/Dialogs.h"
#include "core/GameView.h"

#include <QRegularExpression>

TimeLimitOptions::TimeLimitOptions(GameView &view, GameState &state, Dialogs &dialogs)
    : m_view(view)
    , m_state(state)
    , m_dialogs(dialogs)
{
}

void TimeLimitOptions::unticktimes()
{
    m_view.setChecked(MenuCheck::Time30, false);
    m_view.setChecked(MenuCheck::Time1, false);
    m_view.setChecked(MenuCheck::Time130, false);
    m_view.setChecked(MenuCheck::Time2, false);
}

void TimeLimitOptions::showLimitWhileWaiting()
{
    if (!m_view.timerEnabled())
        m_view.setCaption(ValueLabel::Time, m_state.TimeLimit);
}

void TimeLimitOptions::choose(MenuCheck item, const QString &limit)
{
    unticktimes();
    m_state.TimeLimit = limit;
    m_view.setChecked(item, true);
    showLimitWhileWaiting();
}

void TimeLimitOptions::mnu30_Click()
{
    choose(MenuCheck::Time30, QStringLiteral("00:30"));
}

void TimeLimitOptions::mnu1_Click()
{
    choose(MenuCheck::Time1, QStringLiteral("01:00"));
}

void TimeLimitOptions::mnu130_Click()
{
    choose(MenuCheck::Time130, QStringLiteral("01:30"));
}

void TimeLimitOptions::mnu2_Click()
{
    choose(MenuCheck::Time2, QStringLiteral("02:00"));
}

std::optional<QString> TimeLimitOptions::customLimit(const QString &typed)
{
    static const QRegularExpression Pattern(QStringLiteral("^([0-9]{1,2}):([0-9]{1,2})$"));
    const QRegularExpressionMatch match = Pattern.match(typed.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).rightJustified(2, QLatin1Char('0')) + QLatin1Char(':')
        + match.captured(2).rightJustified(2, QLatin1Char('0'));
}

void TimeLimitOptions::mnuCustom_Click()
{
    unticktimes();
    const QString typed = m_dialogs.askText(QStringLiteral("Please enter the length of a game in the format 'MM:SS'."),
                                            QStringLiteral("Time Limit"), QStringLiteral("MM:SS"), Dialogs::AnyLength);
    if (const auto limit = customLimit(typed)) {
        m_state.TimeLimit = *limit;
        unticktimes();
    } else {
        m_dialogs.inform(QStringLiteral("You entered the time in the wrong format"), QStringLiteral("Zentile"));
    }
    showLimitWhileWaiting();
}
