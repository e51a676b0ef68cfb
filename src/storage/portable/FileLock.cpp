// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/FileLock.h"

#include <QLockFile>

FileLock::Result FileLock::lock()
{
    unlock();
    return lockFile();
}

void FileLock::unlock()
{
    // QLockFile removes its file as it goes.
    m_lockFile.reset();
}
