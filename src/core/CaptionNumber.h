// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <limits>

// Numbers kept as caption text: read by their leading digits, written in shortest form.
class CaptionNumber
{
public:
    // The leading whole number of `text` (blanks and a sign allowed before it), 0 when there is none.
    static qint64 value(const QString &text)
    {
        qsizetype i = 0;
        while (i < text.size() && text.at(i) == QLatin1Char(' '))
            ++i;
        bool negative = false;
        if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
            negative = text.at(i) == QLatin1Char('-');
            ++i;
        }
        qint64 result = 0;
        constexpr qint64 Limit = std::numeric_limits<qint64>::max() / 10 - 9;
        for (; i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'); ++i) {
            if (result < Limit)
                result = result * 10 + (text.at(i).unicode() - '0');
        }
        return negative ? -result : result;
    }

    static QString text(qint64 number) { return QString::number(number); }

    // `number` with at least `digits` digits, zero-padded after any sign.
    static QString padded(qint64 number, int digits)
    {
        const QString magnitude = QString::number(number < 0 ? -number : number).rightJustified(digits, QLatin1Char('0'));
        return number < 0 ? QLatin1Char('-') + magnitude : magnitude;
    }
};
