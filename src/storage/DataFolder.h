// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the player's files live. Beside the executable when the player may write there;
// otherwise in the player's own folder, whose files start as copies of those beside the
// executable: read from there until the first write, which copies them over first.
class DataFolder
{
public:
    // One folder for reading and writing, with nothing to copy from.
    DataFolder(const QString &dir = QString());
    // `dir` for writing, whose files start as copies of those in `seedDir`.
    DataFolder(const QString &dir, const QString &seedDir);

    // `exeDir` when the player can create and write files in it, otherwise `playerDir`
    // seeded from `exeDir`.
    static DataFolder choose(const QString &exeDir, const QString &playerDir);
    // The choice for this program: its executable's folder or the player's data folder.
    static DataFolder forThisProgram();

    bool isEmpty() const { return m_dir.isEmpty(); }
    // The folder written to.
    QString dir() const { return m_dir; }
    // The player's own copy of the file `name`, which every write goes to.
    QString filePath(const QString &name) const;
    // The file to read `name` from: the player's copy, or the seed until the player has one.
    QString readPath(const QString &name) const;
    // Makes the player's copy ready for a write: creates the folder and copies the seed in.
    // `about` gets the seed or the folder when it is what failed; `busy` is set when a live
    // game kept the folder locked.
    bool prepareWrite(const QString &name, QString *error, QString *about = nullptr, bool *busy = nullptr) const;

private:
    QString m_dir;
    QString m_seedDir;
};
