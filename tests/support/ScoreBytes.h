// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QtEndian>

#include <utility>

// The high-score file built and read by hand, byte by byte, to hold the program's output against.
// Each record is 24 bytes: rank and score as 16-bit little-endian, then a 20-byte name.
namespace ScoreBytes {

constexpr int RecordSize = 24;
constexpr int NameSize = 20;

using Entry = std::pair<int, QByteArray>; // score, name

// A name as a record holds it: cut to 20 bytes and padded with blanks.
inline QByteArray name(const QByteArray &text)
{
    return text.leftJustified(NameSize, ' ', true);
}

// The name of a record the file never held.
inline QByteArray zeroName()
{
    return QByteArray(NameSize, '\0');
}

// `name20` goes in as it is, so that a case can store any 20 bytes.
inline QByteArray record(qint16 rank, qint16 score, const QByteArray &name20)
{
    Q_ASSERT(name20.size() == NameSize);
    QByteArray bytes(4, '\0');
    qToLittleEndian(rank, bytes.data());
    qToLittleEndian(score, bytes.data() + 2);
    return bytes + name20;
}

// The entries as records 1, 2, ..., each ranked by its place.
inline QByteArray table(const QList<Entry> &entries)
{
    QByteArray bytes;
    for (int i = 0; i < entries.size(); ++i)
        bytes += record(qint16(i + 1), qint16(entries.at(i).first), name(entries.at(i).second));
    return bytes;
}

// Records with no score from `fromRank` to 10: reset ones, or those a short file lacked with zeroName().
inline QByteArray emptyRecords(int fromRank, const QByteArray &name20 = name("..."))
{
    QByteArray bytes;
    for (int rank = fromRank; rank <= 10; ++rank)
        bytes += record(qint16(rank), 0, name20);
    return bytes;
}

inline QByteArray emptyTable()
{
    return emptyRecords(1);
}

// Ten entries, 100 down to 10.
inline QList<Entry> tenEntries()
{
    return {{100, "Ada"}, {90, "Bob"}, {80, "Cid"}, {70, "Dee"}, {60, "Eve"},
            {50, "Fay"},  {40, "Gus"}, {30, "Hal"}, {20, "Ivy"}, {10, "Jon"}};
}

// The fields of record `index` (0-based) of `bytes`, which must hold that record whole.
inline qint16 rankAt(const QByteArray &bytes, int index)
{
    Q_ASSERT(bytes.size() >= RecordSize * (index + 1));
    return qFromLittleEndian<qint16>(bytes.constData() + RecordSize * index);
}

inline qint16 scoreAt(const QByteArray &bytes, int index)
{
    Q_ASSERT(bytes.size() >= RecordSize * (index + 1));
    return qFromLittleEndian<qint16>(bytes.constData() + RecordSize * index + 2);
}

inline QByteArray nameAt(const QByteArray &bytes, int index)
{
    Q_ASSERT(bytes.size() >= RecordSize * (index + 1));
    return bytes.mid(RecordSize * index + 4, NameSize);
}

} // namespace ScoreBytes
