// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/HighScoreRecord.h"

#include <QString>

#include <array>
#include <optional>

// "HighScore.kvz": ten records, best first, replaced as a whole so it is never half-written.
class HighScoreFile
{
public:
    static constexpr int Places = 10;
    static constexpr int TableSize = Places * HighScoreRecord::Size;
    using Table = std::array<HighScoreRecord, Places>;

    explicit HighScoreFile(const QString &dataDir);

    QString path() const { return m_path; }

    // The ten records; a missing file is created empty and absent records read as zeros.
    std::optional<Table> read(QString *error) const;
    // Replaces the ten records at once, keeping whatever the file holds past them.
    bool write(const Table &table, QString *error) const;

    // Ranks 1 to 10, scores 0 and the name "...".
    static Table emptyTable();

private:
    QString m_path;
};
