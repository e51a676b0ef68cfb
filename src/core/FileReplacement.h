// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

// The next version of a file, written unseen in its folder and put in its place whole, once
// its data is on the disk, or not at all. Only names this class makes are ever removed.
class FileReplacement
{
public:
    explicit FileReplacement(const QString &path);
    FileReplacement(const FileReplacement &) = delete;
    FileReplacement &operator=(const FileReplacement &) = delete;
    ~FileReplacement();

    // Creates the new file, empty, with the permission bits `keepMode`, or the usual ones
    // when it is -1; false with the reason.
    bool open(int keepMode = -1);
    bool writeAt(qint64 offset, QByteArrayView bytes);
    // Copies bytes from `from` to `size` of the open file `source` to the same places,
    // within the kernel, leaving its holes as holes.
    bool copyRange(int source, qint64 from, qint64 size);
    // Syncs the new file, puts it in place of the old one and syncs the folder.
    bool commit();

    int errorCode() const { return m_errorCode; }
    QString errorString() const;
    // What a failure is about: the file, or its folder when the folder refused the change.
    QString errorPath() const { return m_errorPath; }

    // Removes what a game killed while saving `path` left in its folder.
    static void removeLeftovers(const QString &path);

private:
    bool fail(int code, const QString &about);
    bool linkUnnamed(const QByteArray &name);
    void discard();

    QString m_path;
    QString m_folder;
    QByteArray m_name;    // the temporary's name in the folder, once it has one
    int m_folderFd = -1;
    int m_fd = -1;
    int m_errorCode = 0;
    QString m_errorPath;
};
