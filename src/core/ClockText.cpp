// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ClockText.h"

#include "core/CaptionNumber.h"

#include <algorithm>
#include <limits>

namespace {

constexpr qint64 MaxField = std::numeric_limits<qint16>::max();

qint16 digitsOf(QStringView field)
{
    qint64 value = 0;
    for (const QChar c : field) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            value = std::min(MaxField, value * 10 + (c.unicode() - '0'));
    }
    return static_cast<qint16>(value);
}

} // namespace

ClockText ClockText::parse(const QString &caption)
{
    const qsizetype colon = caption.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return {digitsOf(caption), 0};
    return {digitsOf(QStringView(caption).left(colon)), digitsOf(QStringView(caption).mid(colon + 1))};
}

QString ClockText::format(int minutes, int seconds)
{
    return CaptionNumber::padded(minutes, 2) + QLatin1Char(':') + CaptionNumber::padded(seconds, 2);
}

ClockText ClockText::plusSeconds(qint64 bonus) const
{
    const qint64 total = std::clamp<qint64>(qint64(minutes) * 60 + seconds + bonus, 0, MaxField * 60 + 59);
    return {static_cast<qint16>(total / 60), static_cast<qint16>(total % 60)};
}
