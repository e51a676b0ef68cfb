// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/FileLock.h"

// Linux's own calls: every other system builds the portable backend.
#ifdef Q_OS_LINUX

#include <QFile>
#include <QLockFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

bool FileLock::lock()
{
    unlock();
    const QByteArray name = QFile::encodeName(m_folder);
    do
        m_fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    while (m_fd < 0 && errno == EINTR);
    if (m_fd < 0)
        return false;
    for (;;) {
        if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR) {
            // Some network and FUSE folders take no such lock (ENOLCK, EOPNOTSUPP).
            ::close(m_fd);
            m_fd = -1;
            return lockFile();
        }
        if (errno == EWOULDBLOCK)
            waitTurn();
    }
}

void FileLock::unlock()
{
    m_lockFile.reset();
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

#endif // Q_OS_LINUX
