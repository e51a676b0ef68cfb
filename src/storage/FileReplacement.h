// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

#include <memory>

class QFile;
class RegularFile;

// The next version of a file, written unseen in its folder and put in its place whole, once
// its data is on the disk, or not at all. Only names this class makes are ever removed.
class FileReplacement
{
public:
    explicit FileReplacement(const QString &path);
    FileReplacement(const FileReplacement &) = delete;
    FileReplacement &operator=(const FileReplacement &) = delete;
    ~FileReplacement();

    // Creates the new file, empty, with the permissions of `old` where the folder keeps
    // them, or the usual ones; false with the reason.
    bool open(RegularFile *old = nullptr);
    bool writeAt(qint64 offset, QByteArrayView bytes);
    // Copies bytes from `from` to `size` of the open file `source` to the same places,
    // leaving its holes as holes.
    bool copyRange(RegularFile &source, qint64 from, qint64 size);
    // Syncs the new file, puts it in place of the old one and syncs the folder. With
    // `replace` false it is put in place only where no file has the name yet.
    bool commit(bool replace = true);

    // The last failure's reason, and whether a file of the name stood in the way.
    QString errorString() const { return m_errorString; }
    bool nameTaken() const { return m_nameTaken; }
    // What a failure is about: the file, or its folder when the folder refused the change.
    QString errorPath() const { return m_errorPath; }
    // The file written to: a linked table's target.
    QString path() const { return m_path; }

    // Removes what a game killed while saving `path` left beside it; with `onlyOld`, as when
    // no lock keeps other games out, only what no save can still be writing.
    static void removeLeftovers(const QString &path, bool onlyOld = false);
    // How long a temporary stands untouched before no live save can be writing it.
    static constexpr qint64 LeftoverAgeMs = 60000;

private:
    bool fail(int code, const QString &about);
    bool fail(const QString &reason, const QString &about);
    bool linkUnnamed(const QByteArray &name);
    // The no-replace rename where the folder refuses rename flags; false with errno set.
    bool renameUnlessTaken(const QByteArray &target);
    void discard();

    QString m_path;
    QString m_folder;
    QByteArray m_name;    // the temporary's name in the folder, once it has one
    int m_folderFd = -1;
    int m_fd = -1;
    std::unique_ptr<QFile> m_file; // the portable backend's temporary
    bool m_nameTaken = false;
    QString m_errorString;
    QString m_errorPath;
};
