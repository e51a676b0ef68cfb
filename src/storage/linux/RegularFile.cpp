// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/RegularFile.h"

// Linux's own calls: every other system builds the portable backend.
#ifdef Q_OS_LINUX

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

RegularFile::~RegularFile()
{
    close();
}

namespace {

void ignoreSignal(int)
{
}

QString describe(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

} // namespace

void RegularFile::keepSizeLimitSignalHarmless()
{
    // Caught rather than ignored, so that a program started from the game gets the
    // default back; either way the write that crosses the limit fails with EFBIG.
    struct sigaction action{};
    action.sa_handler = ignoreSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGXFSZ, &action, nullptr);
}

QString RegularFile::writeRefusal(const QString &path)
{
    return describe(::access(QFile::encodeName(path).constData(), W_OK) != 0 ? errno : EACCES);
}

bool RegularFile::fail(Failure failure, const QString &reason)
{
    m_failure = failure;
    m_errorString = reason;
    return false;
}

bool RegularFile::open(const QString &path, int mode)
{
    close();
    const auto failWith = [this](int code) {
        return fail(code == ENOENT ? Failure::Missing : code == EACCES ? Failure::Denied : Failure::Other, describe(code));
    };
    int flags = (mode & (Write | Append)) ? ((mode & Read) ? O_RDWR : O_WRONLY) : O_RDONLY;
    if (mode & Append)
        flags |= O_APPEND;
    if (mode & (Create | CreateNew))
        flags |= O_CREAT;
    if (mode & CreateNew)
        flags |= O_EXCL;
    // O_NONBLOCK: opening a FIFO must not wait for a writer or a reader.
    m_fd = ::open(QFile::encodeName(path).constData(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
    if (m_fd < 0)
        return failWith(errno);
    struct stat info{};
    if (::fstat(m_fd, &info) != 0) {
        const int code = errno;
        close();
        return failWith(code);
    }
    if (!S_ISREG(info.st_mode)) {
        close();
        if (S_ISDIR(info.st_mode))
            return failWith(EISDIR);
        return fail(Failure::Other, QStringLiteral("Not a regular file"));
    }
    // Plain blocking reads and writes from here on, as for any regular file.
    ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) & ~O_NONBLOCK);
    if (mode & Read)
        m_file.open(m_fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle);
    m_mode = mode;
    m_failure = Failure::None;
    m_errorString.clear();
    return true;
}

void RegularFile::close()
{
    m_file.close();
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_mode = 0;
}

bool RegularFile::isOpen() const
{
    return m_fd >= 0;
}

int RegularFile::handle() const
{
    return m_fd;
}

qint64 RegularFile::size()
{
    struct stat info{};
    if (::fstat(m_fd, &info) != 0)
        return fail(Failure::Other, describe(errno)), -1;
    return info.st_size;
}

bool RegularFile::readAt(qint64 offset, qint64 length, QByteArray *bytes)
{
    bytes->resize(length);
    qint64 got = 0;
    while (got < length) {
        const ssize_t n = ::pread(m_fd, bytes->data() + got, length - got, offset + got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            bytes->clear();
            return fail(Failure::Other, describe(errno));
        }
        if (n == 0)
            break;
        got += n;
    }
    bytes->resize(got);
    return true;
}

bool RegularFile::writeAll(QByteArrayView bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fail(Failure::Other, describe(n < 0 ? errno : ENOSPC));
        done += n;
    }
    return true;
}

bool RegularFile::truncate(qint64 size)
{
    while (::ftruncate(m_fd, size) != 0) {
        if (errno != EINTR)
            return fail(Failure::Other, describe(errno));
    }
    return true;
}

bool RegularFile::sync()
{
    // A file system that cannot sync (EINVAL) has nothing more to tell.
    if (::fdatasync(m_fd) != 0 && errno != EINVAL)
        return fail(Failure::Other, describe(errno));
    return true;
}

#endif // Q_OS_LINUX
