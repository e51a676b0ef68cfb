// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/HighScoreFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

HighScoreFile::HighScoreFile(const QString &dataDir)
    : m_path(QDir(dataDir).filePath(QStringLiteral("HighScore.kvz")))
{
}

HighScoreFile::Table HighScoreFile::emptyTable()
{
    Table table;
    for (int n = 0; n < Places; ++n)
        table[n] = {static_cast<qint16>(n + 1), 0, HighScoreRecord::encodeName(QStringLiteral("..."))};
    return table;
}

std::optional<HighScoreFile::Table> HighScoreFile::read(QString *error) const
{
    QFile file(m_path);
    // Opening for writing as well leaves an empty file behind when there was none.
    if (!file.open(QIODevice::ReadWrite) && !(file.exists() && file.open(QIODevice::ReadOnly))) {
        *error = file.errorString();
        return std::nullopt;
    }
    const QByteArray bytes = file.read(TableSize);
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return std::nullopt;
    }
    Table table;
    for (int n = 0; n < Places; ++n)
        table[n] = HighScoreRecord::fromBytes(QByteArrayView(bytes).sliced(std::min<qsizetype>(bytes.size(), n * HighScoreRecord::Size)));
    return table;
}

bool HighScoreFile::write(const Table &table, QString *error) const
{
    QSaveFile out(m_path);
    if (!out.open(QIODevice::WriteOnly)) {
        *error = out.errorString();
        return false;
    }
    QByteArray bytes;
    bytes.reserve(TableSize);
    for (const HighScoreRecord &record : table)
        bytes += record.toBytes();
    bool ok = out.write(bytes) == bytes.size();

    // This program never writes past the tenth record, but it keeps what another did.
    QFile old(m_path);
    if (ok && old.open(QIODevice::ReadOnly) && old.size() > TableSize && old.seek(TableSize)) {
        QByteArray block;
        while (ok && !(block = old.read(256 * 1024)).isEmpty())
            ok = out.write(block) == block.size();
        ok = ok && old.error() == QFileDevice::NoError;
    }
    if (!ok) {
        *error = out.error() != QFileDevice::NoError ? out.errorString() : old.errorString();
        out.cancelWriting();
        return false;
    }
    if (!out.commit()) {
        *error = out.errorString();
        return false;
    }
    return true;
}
