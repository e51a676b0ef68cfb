// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <unistd.h>

// A data file opened without ever blocking: a directory, FIFO, socket or device is
// refused, also behind a link, so an odd file can neither hang nor fool the game.
class RegularFile
{
public:
    RegularFile() = default;
    RegularFile(const RegularFile &) = delete;
    RegularFile &operator=(const RegularFile &) = delete;
    ~RegularFile();

    // Opens `path` with the POSIX open `flags`; false, with the reason kept, when it cannot.
    bool open(const QString &path, int flags);
    void close();

    bool isOpen() const { return m_fd >= 0; }
    int handle() const { return m_fd; }
    // The errno of the last failure; ENOENT tells a missing file.
    int errorCode() const { return m_errorCode; }
    QString errorString() const { return m_errorString; }

    // The size now, or -1 with the reason kept.
    qint64 size();
    // Up to `length` bytes from `offset`; stops early at the end. False on a read error.
    bool readAt(qint64 offset, qint64 length, QByteArray *bytes);
    // All of `bytes` at the end, or false with the reason kept.
    bool writeAll(QByteArrayView bytes);
    bool truncate(qint64 size);
    // Waits until the written bytes are on the disk; false when they may not be.
    bool sync();

    // The system's description of an errno value.
    static QString describe(int code);
    // Makes a write past a file-size limit fail with EFBIG instead of ending the process.
    static void keepSizeLimitSignalHarmless();
    // How every data file is synced: fdatasync, or a failing stand-in in the tests.
    static inline int (*syncData)(int fd) = ::fdatasync;

private:
    bool fail(int code);

    int m_fd = -1;
    int m_errorCode = 0;
    QString m_errorString;
};
