// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/RegularFile.h"

#include <QString>

// An exclusive lock between processes, held on a lock file beside the data it guards. The
// system drops it when its holder dies, so a killed game never blocks the next one.
class FileLock
{
public:
    explicit FileLock(const QString &path);
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;
    ~FileLock();

    // Waits up to `timeoutMs` for the lock; false with the reason when it cannot be had.
    bool lock(int timeoutMs);
    void unlock();

    QString errorString() const { return m_errorString; }

private:
    QString m_path;
    RegularFile m_file;
    QString m_errorString;
};
