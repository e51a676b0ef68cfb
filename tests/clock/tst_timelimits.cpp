// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestGame.h"

#include <QTest>

using Kind = ScriptedDialogs::Kind;

namespace {

const int FixedCount = int(TimeLimitOptions::fixed().size());

QString fixedLimit(int row)
{
    return TimeLimitOptions::fixed().at(row).text();
}

// Ticks a game of `limit` ("MM:SS") lasts: every second shown, then the tick that reads zero.
int ticksFor(const QString &limit)
{
    return limit.left(2).toInt() * 60 + limit.mid(3).toInt() + 1;
}

} // namespace

class TestTimeLimits : public QObject
{
    Q_OBJECT

private slots:
    void fixedChoice_data();
    void fixedChoice();
    void customLimit_data();
    void customLimit();
    void customDuringGame_data();
    void customDuringGame();
};

void TestTimeLimits::fixedChoice_data()
{
    QTest::addColumn<int>("index");

    for (int i = 0; i < FixedCount; ++i)
        QTest::newRow(qPrintable(fixedLimit(i))) << i;
}

void TestTimeLimits::fixedChoice()
{
    QFETCH(int, index);
    const int other = (index + 1) % FixedCount;

    TestGame g;
    QCOMPARE(g.model.checkedLimit(), TimeLimitOptions::defaultRow());
    QCOMPARE(g.clock(), QStringLiteral("02:00"));

    // While waiting the clock shows the choice at once.
    g.game.timeLimits.setTimeLimit(index);
    QCOMPARE(g.model.checkedLimit(), index);
    QCOMPARE(g.clock(), fixedLimit(index));

    // During a game the mark moves but the running clock is left alone.
    g.start();
    g.game.tick();
    const QString running = g.clock();
    g.game.timeLimits.setTimeLimit(other);
    QCOMPARE(g.model.checkedLimit(), other);
    QCOMPARE(g.model.timeLimit().text(), fixedLimit(other));
    QCOMPARE(g.clock(), running);
    QVERIFY(g.model.ticking());
    QCOMPARE(g.tickToEnd(), ticksFor(fixedLimit(index)) - 1);

    // After a game that ran out the clock reads zero until a choice or a start writes it.
    QCOMPARE(g.clock(), QStringLiteral("00:00"));
    g.start();
    QCOMPARE(g.clock(), fixedLimit(other));
    QCOMPARE(g.tickToEnd(), ticksFor(fixedLimit(other)));
    g.game.timeLimits.setTimeLimit(index);
    QCOMPARE(g.clock(), fixedLimit(index));
    QCOMPARE(g.model.checkedLimit(), index);
    QVERIFY(g.dialogs.shown.isEmpty());
}

void TestTimeLimits::customLimit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("limit");
    QTest::addColumn<QString>("clock");
    QTest::addColumn<bool>("refused");

    // The limit before is "00:30"; a refused text keeps it.
    const QString before = QStringLiteral("00:30");
    const auto accept = [](const char *row, const QString &typed, const QString &limit) {
        QTest::newRow(row) << typed << limit << limit << false;
    };
    const auto refuse = [&](const char *row, const QString &typed) {
        QTest::newRow(row) << typed << before << before << true;
    };

    accept("01:45", QStringLiteral("01:45"), QStringLiteral("01:45"));
    accept("00:90", QStringLiteral("00:90"), QStringLiteral("00:90"));
    accept("99:99", QStringLiteral("99:99"), QStringLiteral("99:99"));
    accept("01:00 equals a fixed length", QStringLiteral("01:00"), QStringLiteral("01:00"));
    accept("blanks around", QStringLiteral(" 01:30 "), QStringLiteral("01:30"));
    accept("5:00", QStringLiteral("5:00"), QStringLiteral("05:00"));
    accept("10:5", QStringLiteral("10:5"), QStringLiteral("10:05"));
    accept("1:2", QStringLiteral("1:2"), QStringLiteral("01:02"));
    accept("0:0", QStringLiteral("0:0"), QStringLiteral("00:00"));
    // This row leaves the box's default text as it is.
    refuse("MM:SS unchanged", QStringLiteral("MM:SS"));
    refuse("Cancel", QString());
    refuse("lone colon", QStringLiteral(":"));
    refuse("letters", QStringLiteral("ab:cd"));
    refuse("no colon", QStringLiteral("0130"));
    refuse("three-digit minutes", QStringLiteral("100:00"));
    refuse("three-digit seconds", QStringLiteral("01:300"));
    refuse("two colons", QStringLiteral("1:2:3"));
    refuse("doubled colon", QStringLiteral("01::30"));
    refuse("plus sign", QStringLiteral("+1:30"));
    refuse("minus sign", QStringLiteral("-1:30"));
    refuse("decimal point", QStringLiteral("1.5:30"));
    refuse("blank before the colon", QStringLiteral("01 :30"));
    refuse("blank after the colon", QStringLiteral("01: 30"));
    refuse("Arabic-Indic digits", QStringLiteral("\u0660\u0661:\u0663\u0660"));
    refuse("full-width digits", QStringLiteral("\uFF10\uFF11:\uFF13\uFF10"));
    refuse("semicolon", QStringLiteral("01;30"));
    refuse("no seconds", QStringLiteral("1:"));
    refuse("no minutes", QStringLiteral(":30"));
    refuse("letter in the seconds", QStringLiteral("01:3a"));
    refuse("blanks only", QStringLiteral("   "));
}

void TestTimeLimits::customLimit()
{
    QFETCH(QString, typed);
    QFETCH(QString, limit);
    QFETCH(QString, clock);
    QFETCH(bool, refused);

    TestGame g;
    g.game.timeLimits.setTimeLimit(0);
    if (typed != QLatin1String("MM:SS"))
        g.dialogs.textAnswers = {typed};
    g.game.timeLimits.chooseCustomLimit();

    QCOMPARE(g.dialogs.shown.size(), refused ? 2 : 1);
    const ScriptedDialogs::Shown &ask = g.dialogs.shown[0];
    QCOMPARE(ask.kind, Kind::AskText);
    QCOMPARE(ask.text, QStringLiteral("Please enter the length of a game in the format 'MM:SS'."));
    QCOMPARE(ask.title, QStringLiteral("Time Limit"));
    QCOMPARE(ask.defaultText, QStringLiteral("MM:SS"));
    if (refused) {
        QCOMPARE(g.dialogs.shown[1].kind, Kind::Inform);
        QCOMPARE(g.dialogs.shown[1].text, QStringLiteral("You entered the time in the wrong format"));
        QCOMPARE(g.dialogs.shown[1].title, QStringLiteral("Zentile"));
    }
    QCOMPARE(g.model.timeLimit().text(), limit);
    QCOMPARE(g.clock(), clock);
    QCOMPARE(g.model.checkedLimit(), -1);

    // Whatever is taken, the clock can count it down to the end.
    g.start();
    QCOMPARE(g.clock(), limit);
    QCOMPARE(g.tickToEnd(), ticksFor(limit));
}

void TestTimeLimits::customDuringGame_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("limit");

    QTest::newRow("accepted") << "0:45" << "00:45";
    QTest::newRow("refused") << "0:450" << "02:00";
}

void TestTimeLimits::customDuringGame()
{
    QFETCH(QString, typed);
    QFETCH(QString, limit);

    TestGame g;
    g.start();
    g.game.tick();
    g.dialogs.textAnswers = {typed};
    g.game.timeLimits.chooseCustomLimit();

    QCOMPARE(g.clock(), QStringLiteral("01:59"));
    QVERIFY(g.model.ticking());
    QCOMPARE(g.model.timeLimit().text(), limit);
    QCOMPARE(g.model.checkedLimit(), -1);

    // The running game keeps its length; the next one takes the limit.
    QCOMPARE(g.tickToEnd(), 120);
    g.start();
    QCOMPARE(g.clock(), limit);
}

QTEST_GUILESS_MAIN(TestTimeLimits)
#include "tst_timelimits.moc"
