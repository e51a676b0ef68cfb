// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/DataFolder.h"
#include "core/HighScoreRecord.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>

class RegularFile;

// "HighScore.kvz": ten records, best first, replaced as a whole so it is never half-written.
class HighScoreFile
{
public:
    static constexpr int Places = 10;
    static constexpr int TableSize = Places * HighScoreRecord::Size;
    using Table = std::array<HighScoreRecord, Places>;

    explicit HighScoreFile(const DataFolder &dataDir);

    QString path() const { return m_path; }
    // The file read from: the player's, or the seed until the player has one.
    QString readPath() const { return m_folder.readPath(QStringLiteral("HighScore.kvz")); }

    // The ten records; a missing file is created empty and absent records read as zeros.
    std::optional<Table> read(QString *error) const;
    // Under the table's lock, lets `change` edit the table as it is on disk now and saves the
    // result unless `change` returns false. The file is replaced whole or left as it was;
    // `about` gets the folder when it is the folder that refused the change, or that a live
    // game kept locked, which also sets `busy`.
    bool update(const std::function<bool(Table &)> &change, QString *error, QString *about = nullptr, bool *busy = nullptr) const;
    // Ranks 1 to 10, scores 0 and the name "...".
    static Table emptyTable();

private:
    bool open(RegularFile &file, QString *error) const;
    bool readFrom(RegularFile &file, Table *table, QString *error) const;
    // Whether the table on disk still has the entries `saved` added to `before`.
    bool stillHolds(const Table &saved, const Table &before) const;
    // stillHolds, now and once more a moment later.
    bool keptByOthers(const Table &saved, const Table &before) const;
    enum class Saved { Yes, No, Changed };
    // Replaces the table; with `unlessChangedFrom`, only while the file still holds that table.
    Saved save(const Table &table, RegularFile &old, QString *error, QString *about, const Table *unlessChangedFrom) const;

    QString m_path;
    DataFolder m_folder;
};
