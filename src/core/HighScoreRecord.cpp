// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/HighScoreRecord.h"

#include "core/Cp1252.h"

#include <QList>
#include <QtEndian>

QByteArray HighScoreRecord::toBytes() const
{
    QByteArray bytes(Size, '\0');
    qToLittleEndian<qint16>(Rank, bytes.data());
    qToLittleEndian<qint16>(Score, bytes.data() + 2);
    const QByteArray name = Name.leftJustified(NameLength, ' ', true);
    std::copy(name.cbegin(), name.cend(), bytes.begin() + 4);
    return bytes;
}

HighScoreRecord HighScoreRecord::fromBytes(QByteArrayView bytes)
{
    QByteArray full(Size, '\0');
    std::copy_n(bytes.data(), std::min<qsizetype>(bytes.size(), Size), full.begin());
    HighScoreRecord record;
    record.Rank = qFromLittleEndian<qint16>(full.constData());
    record.Score = qFromLittleEndian<qint16>(full.constData() + 2);
    record.Name = full.mid(4, NameLength);
    return record;
}

QByteArray HighScoreRecord::encodeName(const QString &name)
{
    return Cp1252::encode(name, NameLength).leftJustified(NameLength, ' ');
}

QString HighScoreRecord::displayName() const
{
    // A record the file never held has a name of zero bytes: it shows as nothing.
    QString name = Cp1252::decode(Name);
    name.replace(QChar(0), QLatin1Char(' '));
    qsizetype first = 0;
    qsizetype last = name.size();
    while (first < last && name.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && name.at(last - 1) == QLatin1Char(' '))
        --last;
    return name.mid(first, last - first);
}
