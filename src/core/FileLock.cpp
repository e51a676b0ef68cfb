// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FileLock.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FileLock::FileLock(const QString &folder)
    : m_folder(folder)
{
}

FileLock::~FileLock()
{
    unlock();
}

void FileLock::lock()
{
    unlock();
    const QByteArray name = QFile::encodeName(m_folder.isEmpty() ? QStringLiteral(".") : m_folder);
    do
        m_fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    while (m_fd < 0 && errno == EINTR);
    if (m_fd < 0)
        return;
    for (;;) {
        // A folder that cannot be locked at all (some network file systems) is no reason to
        // lose a score: the game goes on as a lone game would.
        if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0 || (errno != EWOULDBLOCK && errno != EINTR))
            return;
        // Another game is saving; it ends by finishing or by dying, so wait as long as
        // it takes. The window keeps painting meanwhile; clicks and keys wait their turn.
        QThread::msleep(10);
        if (QCoreApplication *app = QCoreApplication::instance(); app && app->thread() == QThread::currentThread())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void FileLock::unlock()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}
