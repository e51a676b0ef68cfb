// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Board.h"
#include "core/ClockTime.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

// Everything a game is at one moment, as typed values. The logic changes it through the
// setters; whoever shows the game listens to the signals and never asks the logic.
class GameModel : public QObject
{
    Q_OBJECT

public:
    // Waiting for Start; a game being played; a game's end running its boxes.
    enum class Phase { Waiting, Running, Ending };
    Q_ENUM(Phase)
    enum class Refusal { TooShort, AlreadyPlayed };
    Q_ENUM(Refusal)

    explicit GameModel(QObject *parent = nullptr);

    qint64 score() const { return m_score; }
    void setScore(qint64 score);
    // The current word's points and bonus seconds so far.
    qint64 wordScore() const { return m_wordScore; }
    void setWordScore(qint64 points);
    qint64 timeBonus() const { return m_timeBonus; }
    void setTimeBonus(qint64 seconds);

    // The time left as the countdown counts it, or the limit while no game counts.
    ClockTime clock() const { return m_clock; }
    void setClock(ClockTime clock);
    // True while the clock ticks once a second; Finish makes it tick even while waiting.
    bool ticking() const { return m_ticking; }
    void setTicking(bool ticking);
    Phase phase() const { return m_phase; }
    void setPhase(Phase phase);

    // The board's 400 letters, row by row.
    const QString &letters() const { return m_letters; }
    QChar letter(int tile) const { return m_letters.at(tile); }
    // Replaces every letter and tells listeners that a fresh board is dealt.
    void dealLetters(const QString &letters);

    // The current word's letters, as picked, and the tiles they came from.
    const QString &word() const { return m_word; }
    const QList<int> &wordTiles() const { return m_wordTiles; }
    bool inWord(int tile) const { return m_wordTiles.contains(tile); }
    void appendToWord(int tile, QChar letter);
    // Empties the word and its points and bonus.
    void clearWord();

    // The words accepted in this game, in the order of acceptance.
    const QStringList &playedWords() const { return m_playedWords; }
    void addPlayedWord(const QString &word);
    void clearPlayedWords();
    // The entry of the played words singled out last, -1 for none.
    int highlightedWord() const { return m_highlightedWord; }
    // Singles out entry `index`, telling listeners even when it already was.
    void highlightWord(int index);

    // The next game's length, and which row of the fixed limits carries the check mark (-1 none).
    ClockTime timeLimit() const { return m_timeLimit; }
    void setTimeLimit(ClockTime limit);
    int checkedLimit() const { return m_checkedLimit; }
    // Tells listeners even when unchanged: a menu may have unticked itself.
    void setCheckedLimit(int row);

signals:
    void scoreChanged(qint64 score);
    void wordScoreChanged(qint64 points);
    void timeBonusChanged(qint64 seconds);
    void clockChanged(ClockTime clock);
    void tickingChanged(bool ticking);
    void phaseChanged(GameModel::Phase phase);
    void wordChanged(const QString &word, const QList<int> &tiles);
    void playedWordAdded(const QString &word);
    void playedWordsCleared();
    void wordHighlighted(int index);
    void timeLimitChanged(ClockTime limit);
    void checkedLimitChanged(int row);

    // Events, emitted by the logic after the values above have changed.
    void boardDealt();
    void tilePicked(int tile);
    void wordAccepted(const QString &word, qint64 points, qint64 total);
    // The screen stays silent on a refusal; only this signal tells of it.
    void wordRefused(const QString &word, GameModel::Refusal reason);
    void wordCleared();
    // Before any box of the game's end.
    void gameEnded(qint64 finalScore);
    // A running game dropped by a new board, unscored.
    void gameAbandoned();

private:
    qint64 m_score = 0;
    qint64 m_wordScore = 0;
    qint64 m_timeBonus = 0;
    ClockTime m_clock;
    bool m_ticking = false;
    Phase m_phase = Phase::Waiting;
    QString m_letters = QString(Board::TileCount, QLatin1Char(' '));
    QString m_word;
    QList<int> m_wordTiles;
    QStringList m_playedWords;
    int m_highlightedWord = -1;
    ClockTime m_timeLimit;
    int m_checkedLimit = -1;
};
