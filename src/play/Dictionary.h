// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/DataFolder.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

class Dialogs;

// The player's word list "Dictionary.kvz": one word a line, only ever appended to.
class Dictionary
{
public:
    Dictionary(const DataFolder &dataDir, Dialogs &dialogs);

    QString path() const { return m_path; }

    // True when a line of the file is exactly `word`; false too when the file cannot be read.
    bool WordAllowed(const QString &word) const;
    // Those of `words` that stand in the file, found in one pass over it.
    QSet<QString> findAll(const QStringList &words) const;
    // Appends `word` as a new line; a failure is shown to the player and returns false.
    bool AddToDictionary(const QString &word);

private:
    // Adds `line` at the end, whole, or leaves the file as it was; false with the reason,
    // and in `about` the file that failed when it is the seed or the folder, or the folder
    // a live game kept locked, which also sets `busy`.
    bool appendLine(QByteArray line, QString *reason, QString *about, bool *busy) const;

    QString m_path;
    DataFolder m_folder;
    Dialogs &m_dialogs;
};
