// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/DataFolder.h"

#include "storage/FileLock.h"
#include "storage/FileReplacement.h"
#include "storage/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

DataFolder::DataFolder(const QString &dir)
    : m_dir(dir)
{
}

DataFolder::DataFolder(const QString &dir, const QString &seedDir)
    : m_dir(dir)
    , m_seedDir(seedDir)
{
}

namespace {

bool mayWriteIn(const QString &dir)
{
#ifdef Q_OS_WIN
    // Windows' mode bits say nothing of its access lists, and Program Files may only look
    // writable: a file that can be made there is the only sure answer.
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".zentile-probe-XXXXXX")));
    return probe.open();
#else
    // access() asks the kernel, so a read-only mount or an ACL counts as well as the mode bits.
    return ::access(QFile::encodeName(dir).constData(), W_OK | X_OK) == 0;
#endif
}

} // namespace

DataFolder DataFolder::choose(const QString &exeDir, const QString &playerDir)
{
    if (playerDir.isEmpty() || mayWriteIn(exeDir))
        return DataFolder(exeDir);
    return DataFolder(playerDir, exeDir);
}

DataFolder DataFolder::forThisProgram()
{
    return choose(QCoreApplication::applicationDirPath(),
                  QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString DataFolder::filePath(const QString &name) const
{
    return QDir(m_dir).filePath(name);
}

QString DataFolder::readPath(const QString &name) const
{
    const QString own = filePath(name);
    if (m_seedDir.isEmpty() || QFileInfo::exists(own))
        return own;
    const QString seed = QDir(m_seedDir).filePath(name);
    return QFileInfo::exists(seed) ? seed : own;
}

bool DataFolder::prepareWrite(const QString &name, QString *error, QString *about, bool *busy) const
{
    const QString own = filePath(name);
    if (m_seedDir.isEmpty() || QFileInfo::exists(own))
        return true;
    if (!QDir().mkpath(m_dir)) {
        *error = RegularFile::plainReason(qt_error_string());
        return false;
    }
    const QString seed = QDir(m_seedDir).filePath(name);
    if (!QFileInfo::exists(seed) && !QFileInfo(seed).isSymLink())
        return true;
    // As safe as any other write: a regular seed only, opened without waiting, its holes kept,
    // under a temporary name the next write clears when a killed game left it.
    RegularFile source;
    if (!source.open(seed, RegularFile::Read)) {
        if (source.isMissing())
            return true;
        *error = source.errorString();
        if (about)
            *about = seed;
        return false;
    }
    // Under the games' lock, so that clearing leftovers never takes another game's copy.
    FileLock lock(m_dir);
    const FileLock::Result locked = lock.lock();
    if (locked == FileLock::Result::Busy) {
        *error = lock.busyReason();
        if (about)
            *about = m_dir;
        if (busy)
            *busy = true;
        return false;
    }
    FileReplacement::removeLeftovers(own, locked != FileLock::Result::Locked);
    FileReplacement copy(own);
    const qint64 size = source.size();
    // A copy another game made first is kept.
    if (size >= 0 && copy.open() && copy.copyRange(source, 0, size) && copy.commit(false))
        return true;
    if (copy.nameTaken())
        return true;
    *error = size < 0 ? source.errorString() : copy.errorString();
    if (about && copy.errorPath() != own)
        *about = copy.errorPath();
    return false;
}
