// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/FileReplacement.h"

// Linux's own calls: every other system builds the portable backend.
#ifdef Q_OS_LINUX

#include "storage/RegularFile.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int SuffixLength = 6;
constexpr qint64 CopyBlock = 256 * 1024;

// A hidden name of the game's own making: a player's file never matches it, so clearing
// these can never touch one.
QByteArray temporaryPrefix(const QString &path)
{
    return '.' + QFile::encodeName(QFileInfo(path).fileName()) + ".zentile-";
}

QByteArray temporaryName(const QString &path)
{
    static constexpr char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name = temporaryPrefix(path);
    for (int n = 0; n < SuffixLength; ++n)
        name += Letters[QRandomGenerator::global()->bounded(int(sizeof Letters - 1))];
    return name;
}

bool isTemporaryName(QByteArrayView name, QByteArrayView prefix)
{
    if (name.size() != prefix.size() + SuffixLength || !name.startsWith(prefix))
        return false;
    const QByteArrayView suffix = name.sliced(prefix.size());
    return std::all_of(suffix.begin(), suffix.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    });
}

// Where a write to `path` lands: a link is followed to its target, so it stays a link.
QString targetOf(const QString &path)
{
    QString target = path;
    for (int depth = 0; depth < 40 && QFileInfo(target).isSymLink(); ++depth)
        target = QDir::cleanPath(QFileInfo(target).absoluteDir().filePath(QFile::symLinkTarget(target)));
    return target;
}

// A folder that keeps no permissions (FAT, exFAT, some network folders) refuses to set them.
bool keepsNoPermissions(int code)
{
    return code == ENOSYS || code == EPERM || code == EOPNOTSUPP;
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

bool FileReplacement::fail(int code, const QString &about)
{
    m_nameTaken = code == EEXIST;
    return fail(QString::fromLocal8Bit(std::strerror(code)), about);
}

bool FileReplacement::fail(const QString &reason, const QString &about)
{
    m_errorString = reason;
    m_errorPath = about;
    discard();
    return false;
}

bool FileReplacement::open(RegularFile *old)
{
    discard();
    m_nameTaken = false;
    struct stat info{};
    if (old && old->isOpen() && ::fstat(old->handle(), &info) != 0)
        return fail(errno, m_path);
    const int keepMode = old && old->isOpen() ? int(info.st_mode & 0777) : -1;
    const auto keep = [&] { return keepMode < 0 || ::fchmod(m_fd, keepMode) == 0 || keepsNoPermissions(errno) || fail(errno, m_path); };
    m_folderFd = ::open(QFile::encodeName(m_folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_folderFd < 0)
        return fail(errno, m_folder);
    const mode_t mode = keepMode < 0 ? 0666 : 0600;
    // Without a name until it is complete, so that a killed game leaves nothing behind.
    // Naming it later goes through /proc.
    if (::access("/proc/self/fd", X_OK) == 0) {
        m_fd = ::openat(m_folderFd, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, mode);
        if (m_fd >= 0)
            return keep();
        // Older kernels and some file systems know no unnamed files.
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            return fail(errno, m_folder);
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = temporaryName(m_path);
        m_fd = ::openat(m_folderFd, name.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (m_fd >= 0) {
            m_name = name;
            return keep();
        }
        if (errno != EEXIST && errno != EINTR)
            return fail(errno, m_folder);
    }
    return fail(EEXIST, m_folder);
}

bool FileReplacement::writeAt(qint64 offset, QByteArrayView bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::pwrite(m_fd, bytes.data() + done, bytes.size() - done, offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fail(n < 0 ? errno : ENOSPC, m_path);
        done += n;
    }
    return true;
}

bool FileReplacement::copyRange(RegularFile &sourceFile, qint64 from, qint64 size)
{
    const int source = sourceFile.handle();
    // The full length first: what is not copied stays a hole, as in the old file.
    while (::ftruncate(m_fd, size) != 0) {
        if (errno != EINTR)
            return fail(errno, m_path);
    }
    QByteArray block;
    for (qint64 at = from; at < size;) {
        off_t begin = ::lseek(source, at, SEEK_DATA);
        off_t end = size;
        if (begin < 0 && errno == ENXIO)
            break; // a hole up to the end
        if (begin < 0)
            begin = at; // holes cannot be found here: copy it all
        else if (const off_t hole = ::lseek(source, begin, SEEK_HOLE); hole >= 0)
            end = std::min<off_t>(hole, size);
        loff_t in = begin;
        loff_t out = begin;
        while (in < end) {
            ssize_t n;
            if (block.isEmpty()) {
                n = ::copy_file_range(source, &in, m_fd, &out, end - in, 0);
                if (n < 0 && (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP)) {
                    block.resize(CopyBlock); // a kernel without the call: copy through memory
                    continue;
                }
            } else {
                n = ::pread(source, block.data(), std::min<qint64>(CopyBlock, end - in), in);
                if (n > 0 && !writeAt(out, QByteArrayView(block.constData(), n)))
                    return false;
                if (n > 0)
                    in += n, out += n;
            }
            if (n == 0)
                return true; // the old file ended sooner
            if (n < 0 && errno != EINTR)
                return fail(errno, m_path);
        }
        at = end;
    }
    return true;
}

bool FileReplacement::linkUnnamed(const QByteArray &name)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_fd);
    if (::linkat(AT_FDCWD, self.constData(), m_folderFd, name.constData(), AT_SYMLINK_FOLLOW) != 0)
        return false;
    m_name = name;
    return true;
}

bool FileReplacement::renameUnlessTaken(const QByteArray &target)
{
    // Some FUSE and network folders know no rename flags. A second link fails where the name
    // is taken; where links are refused too, the games' lock keeps the name free meanwhile.
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    if (::linkat(m_folderFd, m_name.constData(), m_folderFd, target.constData(), 0) == 0) {
        ::unlinkat(m_folderFd, m_name.constData(), 0);
        return true;
    }
    if (errno == EEXIST)
        return false;
    struct stat info{};
    if (::fstatat(m_folderFd, target.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::renameat(m_folderFd, m_name.constData(), m_folderFd, target.constData()) == 0;
}

bool FileReplacement::commit(bool replace)
{
    if (::fdatasync(m_fd) != 0 && errno != EINVAL)
        return fail(errno, m_path);
    const QByteArray target = QFile::encodeName(QFileInfo(m_path).fileName());
    if (!replace && m_name.isEmpty()) {
        // Linked in under its final name, which fails if another game made the file first.
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_fd);
        if (::linkat(AT_FDCWD, self.constData(), m_folderFd, target.constData(), AT_SYMLINK_FOLLOW) != 0)
            return fail(errno, errno == EEXIST ? m_path : m_folder);
        ::fsync(m_folderFd);
        discard();
        return true;
    }
    if (!replace) {
        if (::renameat2(m_folderFd, m_name.constData(), m_folderFd, target.constData(), RENAME_NOREPLACE) != 0
            && !renameUnlessTaken(target))
            return fail(errno, errno == EEXIST ? m_path : m_folder);
        m_name.clear();
        ::fsync(m_folderFd);
        discard();
        return true;
    }
    // A name cannot be linked over another, so the finished file gets one of its own
    // first; the rename then swaps it in at once.
    while (m_name.isEmpty()) {
        if (!linkUnnamed(temporaryName(m_path)) && errno != EEXIST)
            return fail(errno, m_folder);
    }
    if (::renameat(m_folderFd, m_name.constData(), m_folderFd, target.constData()) != 0)
        return fail(errno, m_folder);
    m_name.clear();
    // The new name is on the disk once the folder is; the data already is, whatever this says.
    ::fsync(m_folderFd);
    discard();
    return true;
}

void FileReplacement::discard()
{
    if (!m_name.isEmpty())
        ::unlinkat(m_folderFd, m_name.constData(), 0);
    m_name.clear();
    if (m_fd >= 0)
        ::close(m_fd);
    if (m_folderFd >= 0)
        ::close(m_folderFd);
    m_fd = m_folderFd = -1;
}

void FileReplacement::removeLeftovers(const QString &path, bool onlyOld)
{
    // Where the temporaries are made: beside a linked file's target.
    const QString target = targetOf(path);
    DIR *folder = ::opendir(QFile::encodeName(QFileInfo(target).path()).constData());
    if (!folder)
        return;
    const QByteArray prefix = temporaryPrefix(target);
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    while (const dirent *entry = ::readdir(folder)) {
        struct stat info{};
        if (isTemporaryName(entry->d_name, prefix) && ::fstatat(::dirfd(folder), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0
            && S_ISREG(info.st_mode) && info.st_nlink == 1 && (!onlyOld || (now - info.st_mtime) * 1000 > LeftoverAgeMs))
            ::unlinkat(::dirfd(folder), entry->d_name, 0);
    }
    ::closedir(folder);
}

#endif // Q_OS_LINUX
