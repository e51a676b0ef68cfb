// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A data file opened without ever blocking: a directory, FIFO, socket or device is
// refused, also behind a link, so an odd file can neither hang nor fool the game.
class RegularFile
{
public:
    // How to open: the bits combine, as Read | Write | Create.
    enum Mode { Read = 1, Write = 2, Append = 4, Create = 8, CreateNew = 16 };

    RegularFile() = default;
    RegularFile(const RegularFile &) = delete;
    RegularFile &operator=(const RegularFile &) = delete;
    ~RegularFile();

    // Opens `path` in `mode`, a set of Mode bits; false, with the reason kept, when it cannot.
    bool open(const QString &path, int mode);
    void close();

    bool isOpen() const;
    bool isWritable() const { return isOpen() && (m_mode & (Write | Append)); }
    // The last open failed because the file is not there, or because it may not be opened so.
    bool isMissing() const { return m_failure == Failure::Missing; }
    bool isDenied() const { return m_failure == Failure::Denied; }
    QString errorString() const { return m_errorString; }
    // The open file for reading through Qt, from the start.
    QFile &file() { return m_file; }
    // The system's handle of the open file.
    int handle() const;

    // The size now, or -1 with the reason kept.
    qint64 size();
    // Up to `length` bytes from `offset`; stops early at the end. False on a read error.
    bool readAt(qint64 offset, qint64 length, QByteArray *bytes);
    // All of `bytes` at the end, or false with the reason kept.
    bool writeAll(QByteArrayView bytes);
    bool truncate(qint64 size);
    // Waits until the written bytes are on the disk; false when they may not be.
    bool sync();

    // Why `path`, open for reading only, cannot be written.
    static QString writeRefusal(const QString &path);
    // A system's reason as a box quotes it, before its own full stop: Windows ends its with one.
    static QString plainReason(QString reason)
    {
        while (reason.endsWith(u'.') || reason.endsWith(u'\n') || reason.endsWith(u'\r') || reason.endsWith(u' '))
            reason.chop(1);
        return reason;
    }
    // Makes a write past a file-size limit fail instead of ending the process.
    static void keepSizeLimitSignalHarmless();

private:
    enum class Failure { None, Missing, Denied, Other };
    bool fail(Failure failure, const QString &reason);

    int m_fd = -1;         // the Linux backend's own descriptor
    int m_mode = 0;
    QFile m_file;
    Failure m_failure = Failure::None;
    QString m_errorString;
};
