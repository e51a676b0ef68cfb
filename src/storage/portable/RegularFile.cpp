// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/RegularFile.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <unistd.h>
#endif

RegularFile::~RegularFile()
{
    close();
}

namespace {

#ifndef Q_OS_WIN
void ignoreSignal(int)
{
}
#endif

// Whether the nearest of the file's folders that exists is a folder, not a file.
// A link that leads back to itself, where a link to nothing would end.
bool isLinkLoop(const QFileInfo &file)
{
    QFileInfo link = file;
    for (int depth = 0; depth < 40; ++depth) {
        if (!link.isSymLink())
            return false;
        link = QFileInfo(link.absoluteDir().filePath(link.symLinkTarget()));
    }
    return true;
}

bool underFolder(const QFileInfo &file)
{
    QFileInfo folder(file.absolutePath());
    while (!folder.exists() && !folder.isRoot() && folder.absolutePath() != folder.absoluteFilePath())
        folder = QFileInfo(folder.absolutePath());
    return !folder.exists() || folder.isDir();
}

} // namespace

void RegularFile::keepSizeLimitSignalHarmless()
{
#ifndef Q_OS_WIN
    // As on Linux: the write that crosses a file-size limit fails instead of ending the game.
    struct sigaction action{};
    action.sa_handler = ignoreSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGXFSZ, &action, nullptr);
#endif
}

QString RegularFile::writeRefusal(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly))
        return QStringLiteral("Permission denied");
    return plainReason(file.errorString());
}

bool RegularFile::fail(Failure failure, const QString &reason)
{
    m_failure = failure;
    m_errorString = plainReason(reason);
    return false;
}

bool RegularFile::open(const QString &path, int mode)
{
    close();
    // Checked before opening, since opening a FIFO would wait for its other end and a
    // device never ends; only a file swapped in between could slip through.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return fail(Failure::Other, info.isDir() ? QStringLiteral("Is a directory") : QStringLiteral("Not a regular file"));
    if (!info.exists() && !underFolder(info))
        return fail(Failure::Other, QStringLiteral("Not a directory"));
    if (!info.exists() && isLinkLoop(info))
        return fail(Failure::Other, QStringLiteral("Too many levels of symbolic links"));
    if (!info.exists() && !(mode & (Create | CreateNew)))
        return fail(Failure::Missing, QStringLiteral("No such file or directory"));
    QIODevice::OpenMode qtMode = QIODevice::Unbuffered;
    if (mode & Read)
        qtMode |= QIODevice::ReadOnly;
    if (mode & (Write | Append))
        qtMode |= QIODevice::WriteOnly;
    if (mode & Append)
        qtMode |= QIODevice::Append;
    if (mode & CreateNew)
        qtMode |= QIODevice::NewOnly;
    else if (!(mode & Create))
        qtMode |= QIODevice::ExistingOnly;
    m_file.setFileName(path);
    if (!m_file.open(qtMode)) {
        const bool there = QFileInfo::exists(path);
        return fail(there ? Failure::Denied : Failure::Missing, m_file.errorString());
    }
    m_mode = mode;
    m_failure = Failure::None;
    m_errorString.clear();
    return true;
}

void RegularFile::close()
{
    m_file.close();
    m_mode = 0;
}

bool RegularFile::isOpen() const
{
    return m_file.isOpen();
}

int RegularFile::handle() const
{
    return m_file.handle();
}

qint64 RegularFile::size()
{
    return m_file.size();
}

bool RegularFile::readAt(qint64 offset, qint64 length, QByteArray *bytes)
{
    bytes->clear();
    if (!m_file.seek(offset))
        return fail(Failure::Other, m_file.errorString());
    *bytes = m_file.read(length);
    if (m_file.error() != QFileDevice::NoError)
        return fail(Failure::Other, m_file.errorString());
    return true;
}

bool RegularFile::writeAll(QByteArrayView bytes)
{
    m_file.unsetError();
    if (m_file.write(bytes.data(), bytes.size()) != bytes.size())
        return fail(Failure::Other, m_file.error() == QFileDevice::NoError ? QStringLiteral("No space left on device") : m_file.errorString());
    return true;
}

bool RegularFile::truncate(qint64 size)
{
    return m_file.resize(size) || fail(Failure::Other, m_file.errorString());
}

bool RegularFile::sync()
{
    // Qt flushes its own buffer only; the system's cache is the platform's to empty.
#ifdef Q_OS_WIN
    const bool synced = ::FlushFileBuffers(HANDLE(::_get_osfhandle(m_file.handle()))) != 0;
#else
    const bool synced = ::fsync(m_file.handle()) == 0 || errno == EINVAL;
#endif
    return synced || fail(Failure::Other, qt_error_string());
}
