// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/FileLock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QThread>

#include <limits>
#include <optional>

#ifdef Q_OS_WIN
#include <windows.h>
#elif defined(Q_OS_UNIX)
#include <cerrno>
#include <csignal>
#endif

namespace {

// A save holds the lock for milliseconds, a second or so on a slow network folder. A lock
// whose game cannot be asked (on another computer, or a process that cannot be this game)
// and that stands unchanged this long was left by a game that died: waiting longer would
// stall every game on a shared folder after one crash, while a save that really takes that
// long only races the other as saves without a lock do.
constexpr qint64 UnchangedMs = 1000;
// Two computers' clocks may differ by seconds, hardly by a minute: a lock older than this
// by its own time stamp needs no watching.
constexpr qint64 OldMs = 60000;
// Enough of a lock to tell it from another: Qt writes five short lines.
constexpr qint64 SightedBytes = 4096;

// What stands at the lock's place, to tell whether it changes.
struct Sighting
{
    bool present = false;
    qint64 size = -1;
    QDateTime modified;
    QByteArray bytes;
    bool operator==(const Sighting &) const = default;
};

// The game a lock names, as QLockFile writes it.
struct Owner
{
    qint64 pid = 0;
    QString app;
    QString host;
    QByteArray hostId;
    QByteArray bootId;
};

enum class Process { Gone, Ours, Unknown };

Sighting sight(const QString &path)
{
    Sighting seen;
    const QFileInfo info(path);
    seen.present = info.isFile();
    if (!seen.present)
        return seen;
    seen.size = info.size();
    seen.modified = info.lastModified();
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        seen.bytes = file.read(SightedBytes);
    return seen;
}

std::optional<Owner> ownerOf(const QByteArray &bytes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.size() < 3)
        return std::nullopt;
    bool ok = false;
    Owner owner{lines[0].trimmed().toLongLong(&ok), QString::fromUtf8(lines[1].trimmed()), QString::fromUtf8(lines[2].trimmed()),
                lines.value(3).trimmed(), lines.value(4).trimmed()};
    if (!ok || owner.pid <= 0)
        return std::nullopt;
    return owner;
}

QString thisHost()
{
#ifdef Q_OS_WIN
    // The name QLockFile writes there.
    return qEnvironmentVariable("COMPUTERNAME");
#else
    return QSysInfo::machineHostName();
#endif
}

// Strict: a machine cloned from another may share its id, never its name as well.
bool onThisMachine(const Owner &owner)
{
    const QByteArray id = QSysInfo::machineUniqueId();
    return !owner.host.isEmpty() && owner.host == thisHost() && (owner.hostId.isEmpty() || id.isEmpty() || owner.hostId == id);
}

Process processOf(const Owner &owner)
{
    // A game in a sandbox is process 1 of its own, which here is the system's first.
    if (owner.pid <= 1 || owner.pid > std::numeric_limits<qint32>::max())
        return Process::Unknown;
#if defined(Q_OS_WIN)
    const HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(owner.pid));
    if (!process)
        return ::GetLastError() == ERROR_INVALID_PARAMETER ? Process::Gone : Process::Unknown;
    DWORD code = 0;
    const bool ended = ::GetExitCodeProcess(process, &code) && code != STILL_ACTIVE;
    ::CloseHandle(process);
    return ended ? Process::Gone : Process::Unknown;
#elif defined(Q_OS_UNIX)
    if (::kill(pid_t(owner.pid), 0) != 0 && errno == ESRCH)
        return Process::Gone;
#ifdef Q_OS_LINUX
    // The program's name as QLockFile writes it: a live game holds the lock.
    QString exe = QFileInfo(QStringLiteral("/proc/%1/exe").arg(owner.pid)).symLinkTarget();
    if (exe.endsWith(QStringLiteral(" (deleted)")))
        exe.chop(10);
    if (!exe.isEmpty() && QFileInfo(exe).fileName() == owner.app)
        return Process::Ours;
#endif
    return Process::Unknown;
#else
    return Process::Unknown;
#endif
}

// Whether no live game can be behind the lock seen: at once for a game of this machine
// that has ended, after watching it stand unchanged for one that cannot be asked.
bool isStale(const Sighting &seen, qint64 unchangedMs)
{
    if (const auto owner = ownerOf(seen.bytes); owner && onThisMachine(*owner)) {
        const QByteArray boot = QSysInfo::bootUniqueId();
        if (!owner->bootId.isEmpty() && !boot.isEmpty() && owner->bootId != boot)
            return true;
        switch (processOf(*owner)) {
        case Process::Gone:
            return true;
        case Process::Ours:
            return false;
        case Process::Unknown:
            break;
        }
    }
    return unchangedMs >= UnchangedMs || seen.modified.msecsTo(QDateTime::currentDateTime()) > OldMs;
}

// Renames a file where no other has the new name.
bool renameNew(const QString &from, const QString &to)
{
#ifdef Q_OS_WIN
    // QFile::rename copies a file it cannot move, such as the lock a live game holds open.
    return ::MoveFileExW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(from).utf16()),
                         reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(to).utf16()), 0);
#else
    // QFile::rename never replaces a file.
    return QFile::rename(from, to);
#endif
}

// Moves the stale lock aside under a name of this game's making, and removes it only if it
// is still the one judged: another game may have just put its own in its place. False when
// the lock cannot be moved.
bool removeStale(const QString &path, const Sighting &judged)
{
    const QString aside = path + QStringLiteral(".rmlock-") + QString::number(QRandomGenerator::global()->generate(), 36);
    if (!renameNew(path, aside))
        return false;
    if (sight(aside) == judged) {
        // A read-only file is removed on Windows only once it may be written.
        QFile::setPermissions(aside, QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(aside);
    } else if (!renameNew(aside, path)) {
        // A third game took the free name meanwhile; the lock moved aside is void.
        QFile::remove(aside);
    }
    return true;
}

bool isOdd(const QString &path)
{
    // isSymLink holds for a dangling link too, which exists() does not see.
    const QFileInfo entry(path);
    return entry.isSymLink() || (entry.exists() && !entry.isFile());
}

} // namespace

FileLock::FileLock(const QString &folder)
    : m_folder(folder.isEmpty() ? QStringLiteral(".") : folder)
{
}

FileLock::~FileLock()
{
    unlock();
}

QString FileLock::busyText(const QString &owner)
{
    return owner.isEmpty() ? QStringLiteral("another game is saving") : QStringLiteral("another game (%1) is saving").arg(owner);
}

void FileLock::waitTurn()
{
    // The window keeps painting meanwhile; clicks and keys wait their turn.
    QThread::msleep(10);
    if (QCoreApplication *app = QCoreApplication::instance(); app && app->thread() == QThread::currentThread())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

FileLock::Result FileLock::lockFile()
{
    QElapsedTimer waited;
    waited.start();
    // A link, or anything but a plain file, in its place is never followed nor removed:
    // every game then turns to the second name.
    for (const QString &name : {lockFileName(), QStringLiteral(".zentile-2.lock")}) {
        const QString path = QDir(m_folder).filePath(name);
        m_lockFile = std::make_unique<QLockFile>(path);
        // Staleness is judged below, by the owner and by how long the lock stands unchanged.
        m_lockFile->setStaleLockTime(0);
        Sighting seen;
        QElapsedTimer unchanged;
        unchanged.start();
        while (!isOdd(path)) {
            if (m_lockFile->tryLock(0)) {
                // What removals of stale locks, QLockFile's and ours, leave when killed.
                for (const QFileInfo &left : QDir(m_folder).entryInfoList({name + QStringLiteral(".rmlock*")}, QDir::Files | QDir::Hidden))
                    QFile::remove(left.filePath());
                return Result::Locked;
            }
            // A folder that takes no new file: the write that follows meets the same fault.
            if (m_lockFile->error() != QLockFile::LockFailedError)
                break;
            if (const Sighting now = sight(path); now != seen) {
                seen = now;
                unchanged.restart();
            }
            if (isStale(seen, unchanged.elapsed())) {
                if (removeStale(path, seen))
                    continue;
                if (!QFileInfo(m_folder).isWritable())
                    break;
            }
            if (waited.elapsed() >= liveWaitMs) {
                const auto owner = ownerOf(seen.bytes);
                m_busyReason = busyText(!owner ? QString()
                                        : owner->host.isEmpty() ? QStringLiteral("process %1").arg(owner->pid)
                                                                : QStringLiteral("process %1 on %2").arg(owner->pid).arg(owner->host));
                m_lockFile.reset();
                return Result::Busy;
            }
            waitTurn();
        }
        if (!isOdd(path))
            break;
    }
    m_lockFile.reset();
    return Result::NoLock;
}
