// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <utility>

// The high-score file built by hand, byte by byte, to hold the program's output against.
namespace ScoreBytes {

using Entry = std::pair<int, QByteArray>; // score, name

// A name as a record holds it: padded with blanks to 20 bytes.
inline QByteArray name(const QByteArray &text)
{
    return text + QByteArray(20 - text.size(), ' ');
}

// The name of a record the file never held.
inline QByteArray zeroName()
{
    return QByteArray(20, '\0');
}

inline QByteArray record(int rank, int score, const QByteArray &name20)
{
    QByteArray bytes;
    bytes.append(static_cast<char>(rank & 0xFF));
    bytes.append(static_cast<char>((rank >> 8) & 0xFF));
    bytes.append(static_cast<char>(score & 0xFF));
    bytes.append(static_cast<char>((score >> 8) & 0xFF));
    return bytes + name20;
}

// The entries as records 1, 2, ..., each ranked by its place.
inline QByteArray table(const QList<Entry> &entries)
{
    QByteArray bytes;
    for (int i = 0; i < entries.size(); ++i)
        bytes += record(i + 1, entries.at(i).first, name(entries.at(i).second));
    return bytes;
}

inline QByteArray emptyTable()
{
    QByteArray bytes;
    for (int n = 1; n <= 10; ++n)
        bytes += record(n, 0, QByteArrayLiteral("...                 "));
    return bytes;
}

// Ten entries, 100 down to 10.
inline QList<Entry> tenEntries()
{
    return {{100, "Ada"}, {90, "Bob"}, {80, "Cid"}, {70, "Dee"}, {60, "Eve"},
            {50, "Fay"},  {40, "Gus"}, {30, "Hal"}, {20, "Ivy"}, {10, "Jon"}};
}

// The file's bytes; empty when there is no file.
inline QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size() && file.flush();
}

} // namespace ScoreBytes
