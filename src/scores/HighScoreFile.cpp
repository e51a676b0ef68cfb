// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/HighScoreFile.h"

#include "core/FileLock.h"
#include "core/RegularFile.h"

#include <QDir>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>

namespace {

// A save holds the lock for milliseconds; another game's turn is worth a short wait.
constexpr int LockWaitMs = 4000;
constexpr qint64 CopyBlock = 256 * 1024;

// QIODevice::write() may stop short without a reason; a second try brings the reason out.
bool writeFully(QSaveFile &out, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const qint64 written = out.write(bytes.data(), bytes.size());
        if (written <= 0)
            return false;
        bytes = bytes.sliced(written);
    }
    return true;
}

} // namespace

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
    if (file.open(from, O_RDWR | O_CREAT) || file.open(from, O_RDONLY))
        return true;
    // No table yet in a folder that cannot take one: it reads as records the file lacks.
    if (file.errorCode() == ENOENT)
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

bool HighScoreFile::update(const std::function<bool(Table &)> &change, QString *error) const
{
    if (!m_folder.prepareWrite(QStringLiteral("HighScore.kvz"), error))
        return false;
    // Held from the read to the rename, so that two games saving at once keep both entries.
    FileLock lock(m_path + QStringLiteral(".lock"));
    if (!lock.lock(LockWaitMs)) {
        *error = lock.errorString();
        return false;
    }
    RegularFile old;
    Table table;
    if (!open(old, error) || !readFrom(old, &table, error))
        return false;
    if (!change(table))
        return true;
    return save(table, old, error);
}

bool HighScoreFile::save(const Table &table, RegularFile &old, QString *error) const
{
    removeStaleTemporaries();
    QSaveFile out(m_path);
    // Unbuffered, so that a failed write is seen here, before commit() renames the file into place.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *error = out.errorString();
        return false;
    }
    QByteArray bytes;
    bytes.reserve(TableSize);
    for (const HighScoreRecord &record : table)
        bytes += record.toBytes();
    bool ok = writeFully(out, bytes);

    // This program never writes past the tenth record, but it keeps what another did.
    QByteArray block;
    for (qint64 at = TableSize; ok && old.isOpen(); at += block.size()) {
        if (!old.readAt(at, CopyBlock, &block)) {
            *error = old.errorString();
            out.cancelWriting();
            return false;
        }
        if (block.isEmpty())
            break;
        ok = writeFully(out, block);
    }
    if (!ok || !out.flush() || out.error() != QFileDevice::NoError) {
        *error = out.errorString();
        out.cancelWriting();
        return false;
    }
    if (!out.commit()) {
        *error = out.errorString();
        return false;
    }
    return true;
}

void HighScoreFile::removeStaleTemporaries() const
{
    // Left by a game killed while saving; only the lock's holder saves, so none is in use.
    const QFileInfo target(m_path);
    const QString prefix = target.fileName() + QLatin1Char('.');
    const QStringList pattern{prefix + QStringLiteral("??????")};
    const auto entries = target.dir().entryInfoList(pattern, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        const QStringView suffix = QStringView(name).sliced(prefix.size());
        const bool temporaryName = std::all_of(suffix.begin(), suffix.end(), [](QChar c) {
            return c.unicode() < 128 && c.isLetterOrNumber();
        });
        if (temporaryName && entry.isFile() && !entry.isSymLink())
            QFile::remove(entry.filePath());
    }
}
