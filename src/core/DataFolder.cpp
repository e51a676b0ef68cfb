// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <unistd.h>

DataFolder::DataFolder(const QString &dir)
    : m_dir(dir)
{
}

DataFolder::DataFolder(const QString &dir, const QString &seedDir)
    : m_dir(dir)
    , m_seedDir(seedDir)
{
}

DataFolder DataFolder::choose(const QString &exeDir, const QString &playerDir)
{
    // access() asks the kernel, so a read-only mount or an ACL counts as well as the mode bits.
    if (playerDir.isEmpty() || ::access(QFile::encodeName(exeDir).constData(), W_OK | X_OK) == 0)
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

bool DataFolder::prepareWrite(const QString &name, QString *error) const
{
    const QString own = filePath(name);
    if (m_seedDir.isEmpty() || QFileInfo::exists(own))
        return true;
    if (!QDir().mkpath(m_dir)) {
        *error = qt_error_string(errno);
        return false;
    }
    const QString seed = QDir(m_seedDir).filePath(name);
    if (!QFileInfo::exists(seed))
        return true;
    // QFile::copy never replaces a file: a copy another game made first is kept.
    QFile source(seed);
    if (source.copy(own)) {
        // The copy takes the seed's mode, which may be read-only; the player's copy takes writes.
        QFile::setPermissions(own, QFile::permissions(own) | QFile::ReadOwner | QFile::WriteOwner);
        return true;
    }
    if (QFileInfo::exists(own))
        return true;
    *error = source.errorString();
    return false;
}
