// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/HighScoreFile.h"

#include "storage/FileLock.h"
#include "storage/FileReplacement.h"
#include "storage/RegularFile.h"

#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QThread>

#include <algorithm>

HighScoreFile::HighScoreFile(const DataFolder &dataDir)
    : m_path(dataDir.filePath(QStringLiteral("HighScore.kvz")))
    , m_folder(dataDir)
{
}

HighScoreFile::Table HighScoreFile::emptyTable()
{
    Table table;
    for (int n = 0; n < Places; ++n)
        table[n] = {static_cast<qint16>(n + 1), 0, HighScoreRecord::encodeName(QStringLiteral("..."))};
    return table;
}

bool HighScoreFile::open(RegularFile &file, QString *error) const
{
    // Opening for writing as well leaves an empty file behind when there was none.
    const QString from = m_folder.readPath(QStringLiteral("HighScore.kvz"));
    if (file.open(from, RegularFile::Read | RegularFile::Write | RegularFile::Create) || file.open(from, RegularFile::Read))
        return true;
    // No table yet in a folder that cannot take one: it reads as records the file lacks.
    if (file.isMissing())
        return true;
    *error = file.errorString();
    return false;
}

bool HighScoreFile::readFrom(RegularFile &file, Table *table, QString *error) const
{
    QByteArray bytes;
    if (file.isOpen() && !file.readAt(0, TableSize, &bytes)) {
        *error = file.errorString();
        return false;
    }
    for (int n = 0; n < Places; ++n)
        (*table)[n] = HighScoreRecord::fromBytes(QByteArrayView(bytes).sliced(std::min<qsizetype>(bytes.size(), n * HighScoreRecord::Size)));
    return true;
}

std::optional<HighScoreFile::Table> HighScoreFile::read(QString *error) const
{
    RegularFile file;
    Table table;
    if (!open(file, error) || !readFrom(file, &table, error))
        return std::nullopt;
    return table;
}

bool HighScoreFile::update(const std::function<bool(Table &)> &change, QString *error, QString *about, bool *busy) const
{
    QString folder;
    if (!about)
        about = &folder;
    if (!m_folder.prepareWrite(QStringLiteral("HighScore.kvz"), error, about, busy))
        return false;
    // Held from the read to the rename, so that two games saving at once keep both entries.
    FileLock lock(QFileInfo(m_path).path());
    const FileLock::Result result = lock.lock();
    if (result == FileLock::Result::Busy) {
        *error = lock.busyReason();
        *about = QFileInfo(m_path).path();
        if (busy)
            *busy = true;
        return false;
    }
    const bool locked = result == FileLock::Result::Locked;
    // Without a lock, the table is read again just before the rename, and a table another
    // game changed meanwhile gets this change made again on top of its own.
    for (int attempt = 0; attempt < 100; ++attempt) {
        RegularFile old;
        Table table;
        if (!open(old, error) || !readFrom(old, &table, error))
            return false;
        const Table before = table;
        if (!change(table))
            return true;
        const Saved saved = save(table, old, error, about, locked ? nullptr : &before);
        if (saved == Saved::No)
            return false;
        if (saved == Saved::Yes && (locked || keptByOthers(table, before)))
            return true;
    }
    *error = QStringLiteral("Other games kept changing the table");
    return false;
}

bool HighScoreFile::keptByOthers(const Table &saved, const Table &before) const
{
    // A game that replaced the file just after this one did may have read it before: the
    // check is made again a moment later, once such a game is done.
    if (!stillHolds(saved, before))
        return false;
    QThread::msleep(50);
    return stillHolds(saved, before);
}

bool HighScoreFile::stillHolds(const Table &saved, const Table &before) const
{
    // The entries this save added, by score and name, must be in the table now: a game that
    // replaced the file just after this one read it must not have dropped them.
    QString ignored;
    const auto now = read(&ignored);
    const auto entry = [](const HighScoreRecord &r) { return std::pair(r.Score, r.Name); };
    QList<std::pair<qint16, QByteArray>> added, present;
    for (const HighScoreRecord &record : saved)
        added.append(entry(record));
    for (const HighScoreRecord &record : before)
        added.removeOne(entry(record));
    for (const HighScoreRecord &record : now.value_or(Table{}))
        present.append(entry(record));
    return now && std::all_of(added.cbegin(), added.cend(), [&](const auto &e) { return present.removeOne(e); });
}

HighScoreFile::Saved HighScoreFile::save(const Table &table, RegularFile &old, QString *error, QString *about, const Table *unlessChangedFrom) const
{
    // A table the player made read-only stays as it is.
    if (old.isOpen() && !old.isWritable()) {
        *error = RegularFile::writeRefusal(m_path);
        return Saved::No;
    }
    const qint64 oldSize = old.isOpen() ? old.size() : 0;
    if (oldSize < 0) {
        *error = old.errorString();
        return Saved::No;
    }
    // Without the lock, another game may be writing a temporary of its own just now.
    FileReplacement::removeLeftovers(m_path, unlessChangedFrom != nullptr);
    FileReplacement out(m_path);
    QByteArray bytes;
    bytes.reserve(TableSize);
    for (const HighScoreRecord &record : table)
        bytes += record.toBytes();
    // This program never writes past the tenth record, but it keeps what another did.
    if (out.open(&old) && out.writeAt(0, bytes) && (oldSize <= TableSize || out.copyRange(old, TableSize, oldSize))) {
        old.close();
        if (unlessChangedFrom) {
            QString ignored;
            if (const auto now = read(&ignored); !now || *now != *unlessChangedFrom)
                return Saved::Changed;
        }
        if (out.commit())
            return Saved::Yes;
    }
    *error = out.errorString();
    if (out.errorPath() != m_path)
        *about = out.errorPath();
    return Saved::No;
}
