// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/HighScoreFile.h"

#include "core/FileLock.h"
#include "core/FileReplacement.h"
#include "core/RegularFile.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

bool HighScoreFile::update(const std::function<bool(Table &)> &change, QString *error, QString *about) const
{
    if (!m_folder.prepareWrite(QStringLiteral("HighScore.kvz"), error))
        return false;
    // Held from the read to the rename, so that two games saving at once keep both entries.
    FileLock lock(QFileInfo(m_path).path());
    lock.lock();
    RegularFile old;
    Table table;
    if (!open(old, error) || !readFrom(old, &table, error))
        return false;
    if (!change(table))
        return true;
    QString folder;
    return save(table, old, error, about ? about : &folder);
}

bool HighScoreFile::save(const Table &table, RegularFile &old, QString *error, QString *about) const
{
    // A table the player made read-only stays as it is.
    struct stat info{};
    if (old.isOpen() && (::fcntl(old.handle(), F_GETFL) & O_ACCMODE) == O_RDONLY) {
        *error = RegularFile::describe(::access(QFile::encodeName(m_path).constData(), W_OK) != 0 ? errno : EACCES);
        return false;
    }
    if (old.isOpen() && ::fstat(old.handle(), &info) != 0) {
        *error = RegularFile::describe(errno);
        return false;
    }
    FileReplacement::removeLeftovers(m_path);
    FileReplacement out(m_path);
    QByteArray bytes;
    bytes.reserve(TableSize);
    for (const HighScoreRecord &record : table)
        bytes += record.toBytes();
    // This program never writes past the tenth record, but it keeps what another did.
    if (out.open(old.isOpen() ? int(info.st_mode & 0777) : -1) && out.writeAt(0, bytes)
        && (info.st_size <= TableSize || out.copyRange(old.handle(), TableSize, info.st_size)) && out.commit())
        return true;
    *error = out.errorString();
    if (out.errorPath() != m_path)
        *about = out.errorPath();
    return false;
}
