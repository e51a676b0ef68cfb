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
    explicit FileLock(const QString &folder);
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;
    ~FileLock();

    // Waits, with the window repainting, for as long as another game holds the lock. False
    // when no lock could be had at all: the caller then checks for changes before it writes.
    bool lock();
    void unlock();

    // The lock file's name in a folder whose own lock fails.
    static QString lockFileName() { return QStringLiteral(".zentile.lock"); }

private:
    // Takes the lock file, waiting while a live game holds it; false when it cannot be made.
    bool lockFile();
    static void waitTurn();

    QString m_folder;
    int m_fd = -1;
    std::unique_ptr<QLockFile> m_lockFile;
};
