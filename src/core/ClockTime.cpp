// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ClockTime.h"

#include <QRegularExpression>

#include <algorithm>
#include <limits>

QString paddedNumber(qint64 number, int digits)
{
    const QString magnitude = QString::number(number < 0 ? -number : number).rightJustified(digits, QLatin1Char('0'));
    return number < 0 ? QLatin1Char('-') + magnitude : magnitude;
}

QString ClockTime::text() const
{
    return paddedNumber(minutes, 2) + QLatin1Char(':') + paddedNumber(seconds, 2);
}

std::optional<ClockTime> ClockTime::parse(const QString &typed)
{
    static const QRegularExpression Pattern(QStringLiteral("^([0-9]{1,2}):([0-9]{1,2})$"));
    const QRegularExpressionMatch match = Pattern.match(typed.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    return ClockTime{static_cast<qint16>(match.captured(1).toInt()), static_cast<qint16>(match.captured(2).toInt())};
}

ClockTime ClockTime::plusSeconds(qint64 bonus) const
{
    constexpr qint64 MaxMinutes = std::numeric_limits<qint16>::max();
    const qint64 total = std::clamp<qint64>(qint64(minutes) * 60 + seconds + bonus, 0, MaxMinutes * 60 + 59);
    return {static_cast<qint16>(total / 60), static_cast<qint16>(total % 60)};
}

std::optional<ClockTime> ClockTime::lessOneSecond() const
{
    if (seconds != 0)
        return ClockTime{minutes, static_cast<qint16>(seconds - 1)};
    if (minutes != 0)
        return ClockTime{static_cast<qint16>(minutes - 1), 59};
    return std::nullopt;
}
