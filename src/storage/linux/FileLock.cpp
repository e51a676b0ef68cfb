// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/FileLock.h"

// Linux's own calls: every other system builds the portable backend.
#ifdef Q_OS_LINUX

#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FileLock::Result FileLock::lock()
{
    unlock();
    const QByteArray name = QFile::encodeName(m_folder);
    do
        m_fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    while (m_fd < 0 && errno == EINTR);
    if (m_fd < 0)
        return Result::NoLock;
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
            return Result::Locked;
        if (errno != EWOULDBLOCK && errno != EINTR) {
            // Some network and FUSE folders take no such lock (ENOLCK, EOPNOTSUPP).
            ::close(m_fd);
            m_fd = -1;
            return lockFile();
        }
        if (errno == EWOULDBLOCK) {
            // The system tells no holder's name; a dead one would have dropped the lock.
            if (waited.elapsed() >= liveWaitMs) {
                unlock();
                m_busyReason = busyText();
                return Result::Busy;
            }
            waitTurn();
        }
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
