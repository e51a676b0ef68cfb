// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// An exclusive lock between games, held on the data folder itself: no lock file, so no
// leftover entry can stand in its way. The system drops it when its holder dies.
class FileLock
{
public:
    explicit FileLock(const QString &folder);
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;
    ~FileLock();

    // Waits, with the window repainting, for as long as another game holds the lock. A folder
    // that cannot be opened is left unlocked: the file operation that follows meets the same fault.
    void lock();
    void unlock();

private:
    QString m_folder;
    int m_fd = -1;
};
