// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStatusBar>
#include <QWidget>

namespace {

const QLatin1String StageName("announcement");

// Orca speaks a notification as it shows, wherever the focus is; the stage is one that
// never appears on screen, whose accessible name is the latest announcement. Inside a status bar
// it is spoken without the word "notification".
class StageAccessible : public QAccessibleWidget
{
public:
    explicit StageAccessible(QWidget *stage)
        : QAccessibleWidget(stage, QAccessible::Notification)
    {
    }
};

QAccessibleInterface *stageInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("QWidget") && object && object->objectName() == StageName && object->isWidgetType())
        return new StageAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *window)
    : QObject(window)
    , m_stage(new QWidget(new QStatusBar(window)))
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(stageInterface);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    m_stage->setObjectName(StageName);
    m_stage->parentWidget()->hide();
}

void Announcer::follow(const GameModel &model)
{
    m_model = &model;
    const auto on = [this, &model](auto signal, auto handler) { connect(&model, signal, this, handler); };

    on(&GameModel::tilePicked, [this, &model](int tile) {
        picked(model.letter(tile), model.word(), int(model.wordScore()));
    });
    on(&GameModel::wordAccepted, [this](const QString &word, qint64 points, qint64 total) {
        wordAccepted(word, int(points), total);
    });
    on(&GameModel::wordRefused, &Announcer::wordRefused);
    on(&GameModel::wordCleared, &Announcer::wordCleared);
    on(&GameModel::phaseChanged, [this](GameModel::Phase phase) {
        if (phase == GameModel::Phase::Running)
            reportClock();
    });
    on(&GameModel::clockChanged, [this, &model](ClockTime clock) {
        if (model.phase() == GameModel::Phase::Running)
            clockTick(clock.totalSeconds());
    });
    // A Finish while waiting ends no game worth a word.
    on(&GameModel::gameEnded, [this, &model](qint64 score) {
        if (model.phase() == GameModel::Phase::Ending)
            gameEnded(score);
    });
    on(&GameModel::gameAbandoned, &Announcer::gameAbandoned);
    on(&GameModel::boardDealt, &Announcer::boardDealt);
}

void Announcer::reportClock()
{
    if (m_model && m_model->phase() == GameModel::Phase::Running)
        clockReport(m_model->clock().totalSeconds());
}

QString Announcer::pickText(QChar letter, const QString &word, int wordScore)
{
    return QStringLiteral("%1. %2, %3").arg(letter).arg(word).arg(wordScore);
}

QString Announcer::acceptedText(const QString &word, int points, qint64 total)
{
    return QStringLiteral("%1, %2 %3. Score %4.")
        .arg(word)
        .arg(points)
        .arg(points == 1 ? QStringLiteral("point") : QStringLiteral("points"))
        .arg(total);
}

QString Announcer::refusedText(const QString &word, Refusal reason)
{
    const QString why = reason == Refusal::TooShort ? QStringLiteral("too short") : QStringLiteral("already played");
    return word.isEmpty() ? QStringLiteral("No word.") : QStringLiteral("%1 refused, %2.").arg(word, why);
}

QString Announcer::clearedText()
{
    return QStringLiteral("Word cleared.");
}

QString Announcer::clockText(int secondsLeft)
{
    const int minutes = secondsLeft / 60;
    const int seconds = secondsLeft % 60;
    const auto count = [](int n, const char *unit) {
        return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(unit)).arg(n == 1 ? QString() : QStringLiteral("s"));
    };
    QString text;
    if (minutes > 0)
        text = count(minutes, "minute");
    if (seconds > 0 || minutes == 0)
        text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + count(seconds, "second");
    return text + QStringLiteral(" left.");
}

QString Announcer::endedText(qint64 finalScore)
{
    return QStringLiteral("Game over. Final score %1.").arg(finalScore);
}

QString Announcer::abandonedText()
{
    return QStringLiteral("Game abandoned.");
}

QString Announcer::dealtText()
{
    return QStringLiteral("New board.");
}

bool Announcer::clockDue(int secondsLeft)
{
    return secondsLeft > 0 && (secondsLeft % 60 == 0 || secondsLeft == 30 || secondsLeft == 10);
}

void Announcer::picked(QChar letter, const QString &word, int wordScore)
{
    say(pickText(letter, word, wordScore));
}

void Announcer::wordAccepted(const QString &word, int points, qint64 total)
{
    say(acceptedText(word, points, total));
}

void Announcer::wordRefused(const QString &word, Refusal reason)
{
    say(refusedText(word, reason));
}

void Announcer::wordCleared()
{
    say(clearedText());
}

void Announcer::clockReport(int secondsLeft)
{
    say(clockText(secondsLeft));
}

void Announcer::clockTick(int secondsLeft)
{
    if (clockDue(secondsLeft))
        clockReport(secondsLeft);
}

void Announcer::gameEnded(qint64 finalScore)
{
    // Before any box opens and takes the reader's attention.
    say(endedText(finalScore));
    flush();
}

void Announcer::gameAbandoned()
{
    say(abandonedText());
}

void Announcer::boardDealt()
{
    say(dealtText());
}

void Announcer::menuOpened(const QString &title)
{
    say(QStringLiteral("%1 menu.").arg(title));
    flush();
}

void Announcer::say(const QString &text)
{
    // A reader cuts off what it is saying for each new message, so one turn makes one message.
    if (m_pending.isEmpty())
        QMetaObject::invokeMethod(this, &Announcer::flush, Qt::QueuedConnection);
    m_pending << text;
}

void Announcer::flush()
{
    if (m_pending.isEmpty())
        return;
    const QString text = m_pending.join(QLatin1Char(' '));
    m_pending.clear();
    m_last = text;
    emit spoken(text);
    if (!QAccessible::isActive())
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Readers that know announcements (Orca 45 and later) speak the text alone; shown as a
    // notification, Orca 48 would say "notification" before each one.
    QAccessibleAnnouncementEvent event(m_stage, text);
#else
    m_stage->setAccessibleName(text);
    QAccessibleEvent event(m_stage, QAccessible::ObjectShow);
#endif
    QAccessible::updateAccessibility(&event);
}
