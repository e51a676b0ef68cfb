// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The remaining time as the clock caption shows it, "MM:SS".
class ClockText
{
public:
    qint16 minutes = 0;
    qint16 seconds = 0;

    // Minutes from the digits before the colon, seconds from the digits after it.
    static ClockText parse(const QString &caption);
    // Both fields with at least two digits, leading zeros added.
    static QString format(int minutes, int seconds);

    // Adds `bonus` seconds and carries every whole minute, so the seconds read 0 to 59.
    ClockText plusSeconds(qint64 bonus) const;
    QString toString() const { return format(minutes, seconds); }
};
