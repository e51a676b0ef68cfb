// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class QLockFile;

// An exclusive lock between games on one data folder. On Linux it is held on the folder
// itself, with no lock file, and the system drops it when its holder dies; where that
// lock cannot be had, and on other systems, it is a lock file naming its game and host.
class FileLock
{
public:
    enum class Result { Locked, NoLock, Busy };

    explicit FileLock(const QString &folder);
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;
    ~FileLock();

    // Waits, with the window repainting, while another game holds the lock, for at most
    // liveWaitMs. NoLock when no lock could be had at all: the caller then checks for
    // changes before it writes. Busy when a live game still holds it: nothing may be written.
    Result lock();
    void unlock();
    // After Busy, why: "another game (process 4242 on pc2) is saving".
    QString busyReason() const { return m_busyReason; }

    // The lock file's name in a folder whose own lock fails.
    static QString lockFileName() { return QStringLiteral(".zentile.lock"); }
    // How long a save waits for a live game before it gives up; tests shorten it.
    static inline int liveWaitMs = 10000;

private:
    // Takes the lock file, waiting while a live game holds it.
    Result lockFile();
    static void waitTurn();
    // The reason Busy gives, with the owner when the lock names one.
    static QString busyText(const QString &owner = {});

    QString m_folder;
    QString m_busyReason;
    int m_fd = -1;
    std::unique_ptr<QLockFile> m_lockFile;
};
