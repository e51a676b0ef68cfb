// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// One 24-byte place of the high-score file: rank, score and a 20-byte name, little-endian.
struct HighScoreRecord
{
    static constexpr int Size = 24;
    static constexpr int NameLength = 20;

    qint16 Rank = 0;
    qint16 Score = 0;
    QByteArray Name = QByteArray(NameLength, '\0');

    QByteArray toBytes() const;
    // Bytes missing at the end of `bytes` read as zeros.
    static HighScoreRecord fromBytes(QByteArrayView bytes);

    // `name` cut to 20 characters and padded with blanks, in Windows-1252.
    static QByteArray encodeName(const QString &name);
    // The stored name without the blanks around it.
    QString displayName() const;

    friend bool operator==(const HighScoreRecord &, const HighScoreRecord &) = default;
};
