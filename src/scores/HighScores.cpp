// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/HighScores.h"

#include "core/ClockTime.h"
#include "core/Dialogs.h"
#include "core/GameModel.h"

#include <QDir>

#include <limits>

namespace {

const QString Title = QStringLiteral("Zentile");

} // namespace

HighScores::HighScores(GameModel &model, Dialogs &dialogs, const DataFolder &dataDir)
    : m_model(model)
    , m_dialogs(dialogs)
    , m_file(dataDir)
{
}

std::optional<HighScoreFile::Table> HighScores::readTable()
{
    QString error;
    auto table = m_file.read(&error);
    if (!table) {
        report(QStringLiteral("The high scores could not be read from %1: %2."), error, m_file.readPath());
        return std::nullopt;
    }
    return table;
}

void HighScores::updateTable(const std::function<bool(HighScoreFile::Table &)> &change, const QString &failure)
{
    for (;;) {
        QString error;
        QString about;
        bool busy = false;
        if (m_file.update(change, &error, &about, &busy))
            return;
        if (!busy) {
            report(failure, error, about);
            return;
        }
        // The entry is kept for another try once the other game is done.
        if (!m_dialogs.confirm(failure.arg(QDir::toNativeSeparators(about), error) + QStringLiteral(" Try again?"), Title))
            return;
    }
}

void HighScores::report(const QString &failure, const QString &error, const QString &about)
{
    m_dialogs.inform(failure.arg(QDir::toNativeSeparators(about.isEmpty() ? m_file.path() : about), error), Title);
}

int HighScores::placeFor(const HighScoreFile::Table &table, qint64 score)
{
    for (int i = 0; i < HighScoreFile::Places; ++i) {
        if (score > table[i].Score)
            return i;
    }
    return -1;
}

bool HighScores::enter(HighScoreFile::Table &table, qint64 score, const QString &name)
{
    const int place = placeFor(table, score);
    if (place < 0)
        return false;
    for (int k = HighScoreFile::Places - 1; k > place; --k) {
        table[k] = table[k - 1];
        table[k].Rank = static_cast<qint16>(k + 1);
    }
    // A score too big for the file's field is kept at the field's largest value.
    const qint64 stored = std::min<qint64>(score, std::numeric_limits<qint16>::max());
    table[place] = {static_cast<qint16>(place + 1), static_cast<qint16>(stored), HighScoreRecord::encodeName(name)};
    return true;
}

void HighScores::CheckHighScore()
{
    auto table = readTable();
    if (!table)
        return;
    const qint64 score = m_model.score();
    if (placeFor(*table, score) < 0)
        return;
    // The file stays as it was until the name is known.
    const QString name = m_dialogs.askText(QStringLiteral("You got a high score, please enter your name:"),
                                           QStringLiteral("High Score"), QStringLiteral("Name"), HighScoreRecord::NameLength);
    // Placed in the table as it is now: another game may have saved while the box was open.
    updateTable([&](HighScoreFile::Table &onDisk) { return enter(onDisk, score, name); },
                QStringLiteral("Your high score could not be saved in %1: %2."));
}

QString HighScores::tableText(const HighScoreFile::Table &table)
{
    const QString gap(8, QLatin1Char(' '));
    QString text = QStringLiteral("Rank     Score       Name\r\n\r\n");
    for (const HighScoreRecord &record : table) {
        text += paddedNumber(record.Rank, 2) + QLatin1Char('.') + gap + paddedNumber(record.Score, 5)
            + gap + record.displayName() + QStringLiteral("\r\n");
    }
    return text;
}

void HighScores::showTable()
{
    if (const auto table = readTable())
        m_dialogs.inform(tableText(*table), QStringLiteral("Zentile - High Scores"));
}

void HighScores::confirmReset()
{
    if (m_dialogs.confirm(QStringLiteral("Are you sure you want to reset your high scores?"),
                          QStringLiteral("Reset High Scores")))
        ResetScores();
}

void HighScores::ResetScores()
{
    updateTable(
        [](HighScoreFile::Table &onDisk) {
            onDisk = HighScoreFile::emptyTable();
            return true;
        },
        QStringLiteral("The high scores could not be reset in %1: %2."));
}
