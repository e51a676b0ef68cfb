// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FileLock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

FileLock::FileLock(const QString &path)
    : m_path(path)
{
}

FileLock::~FileLock()
{
    unlock();
}

bool FileLock::lock(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    const QByteArray name = QFile::encodeName(m_path);
    for (;;) {
        if (!m_file.open(m_path, O_RDWR | O_CREAT)) {
            m_errorString = m_file.errorString();
            return false;
        }
        if (::flock(m_file.handle(), LOCK_EX | LOCK_NB) == 0) {
            // The holder before us removes the file as it lets go; a lock on a removed
            // file guards nothing, so start again on the file that stands there now.
            struct stat held{};
            struct stat standing{};
            if (::fstat(m_file.handle(), &held) == 0 && ::stat(name.constData(), &standing) == 0
                && held.st_ino == standing.st_ino && held.st_dev == standing.st_dev)
                return true;
        } else if (errno != EWOULDBLOCK && errno != EINTR) {
            m_errorString = RegularFile::describe(errno);
            m_file.close();
            return false;
        }
        m_file.close();
        if (deadline.hasExpired()) {
            m_errorString = QStringLiteral("The file is in use by another game");
            return false;
        }
        QThread::msleep(10);
    }
}

void FileLock::unlock()
{
    if (!m_file.isOpen())
        return;
    QFile::remove(m_path);
    m_file.close();
}
