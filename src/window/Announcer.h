// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/GameModel.h"

#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

// What a screen reader says as the game goes on, wherever the focus is: an announcement
// with Qt 6.8 and later, before that a notification that shows.
class Announcer : public QObject
{
    Q_OBJECT

public:
    using Refusal = GameModel::Refusal;

    // Places its hidden notification in window.
    explicit Announcer(QWidget *window);

    // Speaks the model's events from now on.
    void follow(const GameModel &model);
    // Speaks the time left, while a game runs.
    void reportClock();

    void picked(QChar letter, const QString &word, int wordScore);
    void wordAccepted(const QString &word, int points, qint64 total);
    void wordRefused(const QString &word, Refusal reason);
    void wordCleared();
    // Spoken on request; clockTick() speaks only the moments clockDue() picks.
    void clockReport(int secondsLeft);
    void clockTick(int secondsLeft);
    void gameEnded(qint64 finalScore);
    void gameAbandoned();
    void boardDealt();
    // Said at once, before the menu's first entry.
    void menuOpened(const QString &title);

    // The texts, in the words a player hears.
    static QString pickText(QChar letter, const QString &word, int wordScore);
    static QString acceptedText(const QString &word, int points, qint64 total);
    static QString refusedText(const QString &word, Refusal reason);
    static QString clearedText();
    static QString clockText(int secondsLeft);
    static QString endedText(qint64 finalScore);
    static QString abandonedText();
    static QString dealtText();
    // True at each whole minute and at 30 and 10 seconds left.
    static bool clockDue(int secondsLeft);

    // Speaks what was said since the last call now rather than once control returns to
    // the event loop, where announcements made together are joined into one.
    void flush();
    // The last text spoken.
    QString lastText() const { return m_last; }

signals:
    void spoken(const QString &text);

private:
    void say(const QString &text);

    const GameModel *m_model = nullptr;
    QWidget *m_stage;
    QStringList m_pending;
    QString m_last;
};
