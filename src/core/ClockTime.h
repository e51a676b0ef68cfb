// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// Minutes and seconds on the game's clock, kept apart: a typed 00:90 counts down from 00:89.
struct ClockTime
{
    qint16 minutes = 0;
    qint16 seconds = 0;

    // The time left in seconds, as a player counts it.
    int totalSeconds() const { return minutes * 60 + seconds; }
    // "MM:SS", each field with at least two digits.
    QString text() const;
    // A typed "M:S" with one or two digits a side, blanks around allowed; nothing otherwise.
    static std::optional<ClockTime> parse(const QString &typed);
    // Adds `bonus` seconds and carries every whole minute, so the seconds read 0 to 59.
    ClockTime plusSeconds(qint64 bonus) const;
    // One second less: the seconds first, then a minute borrowed; nothing when both are 0.
    std::optional<ClockTime> lessOneSecond() const;

    friend bool operator==(const ClockTime &, const ClockTime &) = default;
};

// `number` with at least `digits` digits, zero-padded after any sign.
QString paddedNumber(qint64 number, int digits);
