// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/FileReplacement.h"

#include "storage/RegularFile.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>

#include <algorithm>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr int SuffixLength = 6;
constexpr qint64 CopyBlock = 256 * 1024;

// A hidden name of the game's own making: a player's file never matches it, so clearing
// these can never touch one.
QString temporaryPrefix(const QString &path)
{
    return u'.' + QFileInfo(path).fileName() + QStringLiteral(".zentile-");
}

QString temporaryName(const QString &path)
{
    static constexpr char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString name = temporaryPrefix(path);
    for (int n = 0; n < SuffixLength; ++n)
        name += QLatin1Char(Letters[QRandomGenerator::global()->bounded(int(sizeof Letters - 1))]);
    return name;
}

bool isTemporaryName(const QString &name, const QString &prefix)
{
    if (name.size() != prefix.size() + SuffixLength || !name.startsWith(prefix))
        return false;
    const QStringView suffix = QStringView(name).sliced(prefix.size());
    // Only the ASCII letters and digits the game writes: other scripts' digits are a player's.
    return std::all_of(suffix.begin(), suffix.end(), [](QChar c) {
        return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
    });
}

QString targetOf(const QString &path)
{
    QString target = path;
    for (int depth = 0; depth < 40 && QFileInfo(target).isSymLink(); ++depth)
        target = QDir::cleanPath(QFileInfo(target).absoluteDir().filePath(QFile::symLinkTarget(target)));
    return target;
}

// Puts `from` in the place of `to`, at once; `replace` false fails where `to` is there.
bool renameOver(const QString &from, const QString &to, bool replace, QString *reason)
{
    if (!replace) {
        // QFile::rename never replaces a file.
        QFile file(from);
        if (file.rename(to))
            return true;
        *reason = file.errorString();
        return false;
    }
#ifdef Q_OS_WIN
    const auto wide = [](const QString &path) { return reinterpret_cast<const wchar_t *>(path.utf16()); };
    const QString source = QDir::toNativeSeparators(from), target = QDir::toNativeSeparators(to);
    // A program that has the old file open keeps it from being replaced: another game reading
    // the table, or a virus scanner, holds it for a moment only.
    const QDeadlineTimer deadline(2000);
    for (;;) {
        if (::MoveFileExW(wide(source), wide(target), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        DWORD error = ::GetLastError();
        if (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION)
            break;
        if (deadline.hasExpired()) {
            // Denied access is also what a file still open elsewhere gets: the reason says which.
            const HANDLE probe = ::CreateFileW(wide(target), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                               nullptr, OPEN_EXISTING, 0, nullptr);
            if (probe != INVALID_HANDLE_VALUE)
                ::CloseHandle(probe);
            else if (::GetLastError() == ERROR_SHARING_VIOLATION)
                error = ERROR_SHARING_VIOLATION;
            *reason = qt_error_string(int(error));
            return false;
        }
        QThread::msleep(20);
    }
#else
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
#endif
    *reason = qt_error_string();
    return false;
}

// Puts the folder's new entry on the disk where the system lets a program ask for that.
void syncFolder(const QString &folder)
{
#ifndef Q_OS_WIN
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(folder);
#endif
}

} // namespace

FileReplacement::FileReplacement(const QString &path)
    : m_path(targetOf(path))
    , m_folder(QFileInfo(m_path).path())
{
}

FileReplacement::~FileReplacement()
{
    discard();
}

bool FileReplacement::fail(const QString &reason, const QString &about)
{
    m_errorString = RegularFile::plainReason(reason);
    m_errorPath = about;
    discard();
    return false;
}

bool FileReplacement::open(RegularFile *old)
{
    discard();
    m_nameTaken = false;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = temporaryName(m_path);
        auto file = std::make_unique<QFile>(QDir(m_folder).filePath(name));
        if (file->open(QIODevice::ReadWrite | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            m_name = QFile::encodeName(name);
            m_file = std::move(file);
            // A folder that keeps no permissions (FAT, exFAT) refuses them: that is no fault.
            if (old && old->isOpen())
                m_file->setPermissions(old->file().permissions());
            return true;
        }
        if (const QFileInfo folder(m_folder); !folder.isDir())
            return fail(folder.exists() ? QStringLiteral("Not a directory") : QStringLiteral("No such file or directory"), m_folder);
        if (QFileInfo::exists(file->fileName()))
            continue;
        return fail(file->errorString(), m_folder);
    }
    return fail(QStringLiteral("File exists"), m_folder);
}

bool FileReplacement::writeAt(qint64 offset, QByteArrayView bytes)
{
    m_file->unsetError();
    if (m_file->seek(offset) && m_file->write(bytes.data(), bytes.size()) == bytes.size())
        return true;
    return fail(m_file->error() == QFileDevice::NoError ? QStringLiteral("No space left on device") : m_file->errorString(), m_path);
}

bool FileReplacement::copyRange(RegularFile &source, qint64 from, qint64 size)
{
    // The full length first: what is not written stays a hole where the folder keeps holes.
    if (!m_file->resize(size))
        return fail(m_file->errorString(), m_path);
    QFile &in = source.file();
    QByteArray block(CopyBlock, Qt::Uninitialized);
    for (qint64 at = from; at < size;) {
        qint64 end = size;
#if defined(SEEK_DATA) && defined(SEEK_HOLE)
        // The data's extents, where the system tells them; elsewhere every block is read.
        const off_t begin = ::lseek(source.handle(), at, SEEK_DATA);
        if (begin < 0 && errno == ENXIO)
            break;
        if (begin >= 0) {
            at = begin;
            if (const off_t hole = ::lseek(source.handle(), begin, SEEK_HOLE); hole >= 0)
                end = std::min<qint64>(hole, size);
        }
#endif
        while (at < end) {
            if (!in.seek(at))
                return fail(in.errorString(), m_path);
            const qint64 n = in.read(block.data(), std::min(CopyBlock, end - at));
            if (n < 0)
                return fail(in.errorString(), m_path);
            if (n == 0)
                return true; // the old file ended sooner
            // A block of zeros is left as a hole.
            const QByteArrayView data(block.constData(), n);
            if (std::any_of(data.begin(), data.end(), [](char c) { return c != 0; }) && !writeAt(at, data))
                return false;
            at += n;
        }
    }
    return true;
}

bool FileReplacement::commit(bool replace)
{
    m_file->unsetError();
#ifdef Q_OS_WIN
    const bool synced = ::FlushFileBuffers(HANDLE(::_get_osfhandle(m_file->handle()))) != 0;
#else
    const bool synced = ::fsync(m_file->handle()) == 0 || errno == EINVAL;
#endif
    if (!synced)
        return fail(qt_error_string(), m_path);
    const QString temporary = m_file->fileName();
    // Windows renames no file that is open.
    m_file->close();
    QString reason;
    if (!renameOver(temporary, m_path, replace, &reason)) {
        m_nameTaken = !replace && QFileInfo::exists(m_path);
        return fail(reason, m_nameTaken ? m_path : m_folder);
    }
    m_name.clear();
    syncFolder(m_folder);
    discard();
    return true;
}

void FileReplacement::discard()
{
    if (m_file) {
        m_file->close();
        if (!m_name.isEmpty())
            QFile::remove(m_file->fileName());
    }
    m_file.reset();
    m_name.clear();
}

void FileReplacement::removeLeftovers(const QString &path, bool onlyOld)
{
    // Where the temporaries are made: beside a linked file's target.
    const QString target = targetOf(path);
    const QString prefix = temporaryPrefix(target);
    const QDir folder = QFileInfo(target).absoluteDir();
    for (const QFileInfo &entry : folder.entryInfoList({prefix + QStringLiteral("*")}, QDir::Files | QDir::Hidden | QDir::System)) {
        if (!isTemporaryName(entry.fileName(), prefix) || entry.isSymLink() || !entry.isFile()
            || (onlyOld && entry.lastModified().msecsTo(QDateTime::currentDateTime()) <= LeftoverAgeMs))
            continue;
#ifndef Q_OS_WIN
        // A name of ours linked to a file of the player's is not ours to remove.
        struct stat info{};
        if (::lstat(QFile::encodeName(entry.filePath()).constData(), &info) != 0 || info.st_nlink != 1)
            continue;
#endif
        QFile::remove(entry.filePath());
    }
}
