// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FileBytes.h"
#include "support/ScoreBytes.h"
#include "support/TestGame.h"

#include <QDir>
#include <QProcess>
#include <QTest>

using Kind = ScriptedDialogs::Kind;
using ScoreBytes::Entry;

namespace {

// `entries` with `entry` at `place` (0-based) and the last one dropped.
QList<Entry> inserted(QList<Entry> entries, int place, const Entry &entry)
{
    entries.insert(place, entry);
    entries.removeLast();
    return entries;
}

QString line(const QString &rank, const QString &score, const QString &name)
{
    return rank + QStringLiteral(".        ") + score + QStringLiteral("        ") + name + QStringLiteral("\r\n");
}

} // namespace

class TestHighScores : public QObject
{
    Q_OBJECT

private slots:
    void checkHighScore_data();
    void checkHighScore();
    void tableText_data();
    void tableText();
    void reset_data();
    void reset();
    void killedAtNameBox_data();
    void killedAtNameBox();
};

void TestHighScores::checkHighScore_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("score");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QByteArray>("after");

    const QList<Entry> ten = ScoreBytes::tenEntries();
    const QByteArray tenBytes = ScoreBytes::table(ten);
    const QByteArray reset = ScoreBytes::emptyTable();
    const QStringList zed{QStringLiteral("Zed")};
    const QByteArray unread = ScoreBytes::zeroName();
    const QList<Entry> capped = inserted(ten, 0, {32767, "Max"});
    const QByteArray cappedBytes = ScoreBytes::table(capped);
    const auto with = [](const QList<Entry> &list, int place, const Entry &e) { return ScoreBytes::table(inserted(list, place, e)); };

    QTest::newRow("top") << true << tenBytes << "150" << zed << true << with(ten, 0, {150, "Zed"});
    QTest::newRow("middle") << true << tenBytes << "65" << zed << true << with(ten, 4, {65, "Zed"});
    QTest::newRow("equal goes below") << true << tenBytes << "70" << zed << true << with(ten, 4, {70, "Zed"});
    QTest::newRow("tenth place") << true << tenBytes << "15" << zed << true << with(ten, 9, {15, "Zed"});
    QTest::newRow("equal to the tenth") << true << tenBytes << "10" << zed << false << tenBytes;
    QTest::newRow("below all") << true << tenBytes << "9" << zed << false << tenBytes;
    QTest::newRow("zero, reset table") << true << reset << "0" << zed << false << reset;
    QTest::newRow("one, reset table") << true << reset << "1" << zed << true
                                      << ScoreBytes::record(1, 1, ScoreBytes::name("Zed")) + ScoreBytes::emptyRecords(2);
    QTest::newRow("zero, missing file") << false << QByteArray() << "0" << zed << false << QByteArray();
    QTest::newRow("missing file") << false << QByteArray() << "30" << zed << true
                                  << ScoreBytes::record(1, 30, ScoreBytes::name("Zed")) + ScoreBytes::emptyRecords(2, unread);
    // The fourth record is cut after six bytes of its name: it still holds 70 and stays above 50.
    QTest::newRow("short file") << true << tenBytes.left(3 * 24 + 10) << "50" << zed << true
                                << tenBytes.left(3 * 24)
            + ScoreBytes::record(4, 70, QByteArrayLiteral("Dee   ") + QByteArray(14, '\0'))
            + ScoreBytes::record(5, 50, ScoreBytes::name("Zed")) + ScoreBytes::emptyRecords(6, unread);
    QTest::newRow("cancel stores blanks") << true << tenBytes << "150" << QStringList{QString()} << true << with(ten, 0, {150, ""});
    QTest::newRow("default answer") << true << tenBytes << "150" << QStringList() << true << with(ten, 0, {150, "Name"});
    QTest::newRow("above 32767") << true << tenBytes << "40000" << zed << true << with(ten, 0, {32767, "Zed"});
    QTest::newRow("above 32767 beats a stored 32767") << true << cappedBytes << "40000" << zed << true << with(capped, 0, {32767, "Zed"});
    QTest::newRow("32767 goes below a stored 32767") << true << cappedBytes << "32767" << zed << true << with(capped, 1, {32767, "Zed"});
}

void TestHighScores::checkHighScore()
{
    QFETCH(bool, present);
    QFETCH(QByteArray, before);
    QFETCH(QString, score);
    QFETCH(QStringList, answers);
    QFETCH(bool, asked);
    QFETCH(QByteArray, after);

    TestGame g;
    if (present)
        QVERIFY(FileBytes::write(g.highScorePath(), before));
    g.model.setScore(score.toLongLong());
    g.dialogs.textAnswers = answers;
    QByteArray whileAsking;
    bool fileThere = false;
    g.dialogs.whileShowing = [&](const ScriptedDialogs::Shown &) {
        fileThere = QFile::exists(g.highScorePath());
        whileAsking = FileBytes::read(g.highScorePath());
    };

    g.game.highScores.CheckHighScore();

    if (asked) {
        QCOMPARE(g.dialogs.shown.size(), 1);
        const ScriptedDialogs::Shown &box = g.dialogs.shown.first();
        QCOMPARE(box.kind, Kind::AskText);
        QCOMPARE(box.text, QStringLiteral("You got a high score, please enter your name:"));
        QCOMPARE(box.title, QStringLiteral("High Score"));
        QCOMPARE(box.defaultText, QStringLiteral("Name"));
        // Nothing is written before the name is known.
        QVERIFY(fileThere);
        QCOMPARE(whileAsking, before);
    } else {
        QVERIFY(g.dialogs.shown.isEmpty());
    }
    QCOMPARE(FileBytes::read(g.highScorePath()), after);
}

void TestHighScores::tableText_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("text");

    const QString header = QStringLiteral("Rank     Score       Name\r\n\r\n");
    QString reset = header;
    for (int rank = 1; rank <= 10; ++rank)
        reset += line(QStringLiteral("%1").arg(rank, 2, 10, QLatin1Char('0')), QStringLiteral("00000"), QStringLiteral("..."));
    QTest::newRow("reset table") << true << ScoreBytes::emptyTable() << reset;

    QString absent = header;
    for (int i = 0; i < 10; ++i)
        absent += line(QStringLiteral("00"), QStringLiteral("00000"), QString());
    QTest::newRow("missing file") << false << QByteArray() << absent;
    QTest::newRow("empty file") << true << QByteArray() << absent;

    // Ranks as stored, blanks trimmed from both ends, Windows-1252 decoded.
    const QByteArray mixed = ScoreBytes::record(7, 32767, ScoreBytes::name("  Max Power"))
        + ScoreBytes::record(2, 5, QByteArrayLiteral("ABCDEFGHIJKLMNOPQRST")) + ScoreBytes::record(3, 42, QByteArray(20, ' '))
        + ScoreBytes::record(4, 3, ScoreBytes::name("Zo\xE9\x80"));
    QString mixedText = header + line(QStringLiteral("07"), QStringLiteral("32767"), QStringLiteral("Max Power"))
        + line(QStringLiteral("02"), QStringLiteral("00005"), QStringLiteral("ABCDEFGHIJKLMNOPQRST"))
        + line(QStringLiteral("03"), QStringLiteral("00042"), QString())
        + line(QStringLiteral("04"), QStringLiteral("00003"), QStringLiteral("Zoé€"));
    for (int i = 4; i < 10; ++i)
        mixedText += line(QStringLiteral("00"), QStringLiteral("00000"), QString());
    QTest::newRow("short file of odd records") << true << mixed << mixedText;
}

void TestHighScores::tableText()
{
    QFETCH(bool, present);
    QFETCH(QByteArray, before);
    QFETCH(QString, text);

    TestGame g;
    if (present)
        QVERIFY(FileBytes::write(g.highScorePath(), before));
    g.game.highScores.showTable();

    QCOMPARE(g.dialogs.shown.size(), 1);
    QCOMPARE(g.dialogs.shown[0].kind, Kind::Inform);
    QCOMPARE(g.dialogs.shown[0].title, QStringLiteral("Zentile - High Scores"));
    QCOMPARE(g.dialogs.shown[0].text, text);
    // Showing writes nothing; a missing file is left behind empty.
    QVERIFY(QFile::exists(g.highScorePath()));
    QCOMPARE(FileBytes::read(g.highScorePath()), before);
}

void TestHighScores::reset_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<bool>("yes");

    QTest::newRow("No, existing table") << true << false;
    QTest::newRow("No, missing file") << false << false;
    QTest::newRow("Yes, existing table") << true << true;
    QTest::newRow("Yes, missing file") << false << true;
}

void TestHighScores::reset()
{
    QFETCH(bool, present);
    QFETCH(bool, yes);

    TestGame g;
    const QByteArray before = ScoreBytes::table(ScoreBytes::tenEntries());
    if (present)
        QVERIFY(FileBytes::write(g.highScorePath(), before));
    g.dialogs.confirmAnswers = {yes};
    g.game.highScores.confirmReset();

    QCOMPARE(g.dialogs.shown.size(), 1);
    QCOMPARE(g.dialogs.shown[0].kind, Kind::Confirm);
    QCOMPARE(g.dialogs.shown[0].text, QStringLiteral("Are you sure you want to reset your high scores?"));
    QCOMPARE(g.dialogs.shown[0].title, QStringLiteral("Reset High Scores"));
    if (yes) {
        QCOMPARE(FileBytes::read(g.highScorePath()), ScoreBytes::emptyTable());
    } else {
        QCOMPARE(QFile::exists(g.highScorePath()), present);
        QCOMPARE(FileBytes::read(g.highScorePath()), present ? before : QByteArray());
    }
}

void TestHighScores::killedAtNameBox_data()
{
    QTest::addColumn<bool>("killed");

    QTest::newRow("killed while the name box is open") << true;
    // The same run left to answer: proves the child does change the file.
    QTest::newRow("left to finish") << false;
}

void TestHighScores::killedAtNameBox()
{
    QFETCH(bool, killed);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("HighScore.kvz"));
    const QList<Entry> ten = ScoreBytes::tenEntries();
    const QByteArray before = ScoreBytes::table(ten) + QByteArrayLiteral("tail");
    QVERIFY(FileBytes::write(path, before));

    QProcess child;
    child.setProgram(QStringLiteral(ZENTILE_HIGHSCORE_CHILD));
    child.setArguments({dir.path(), QStringLiteral("55"), killed ? QStringLiteral("hold") : QStringLiteral("answer")});
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start();
    QVERIFY2(child.waitForStarted(), qPrintable(child.errorString()));

    QByteArray out;
    while (!out.contains("NAME-BOX") && child.waitForReadyRead(60000))
        out += child.readAllStandardOutput();
    out += child.readAllStandardOutput();
    QVERIFY2(out.contains("NAME-BOX"), out.constData());

    if (killed) {
        child.kill();
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QCOMPARE(FileBytes::read(path), before);
    } else {
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(FileBytes::read(path), ScoreBytes::table(inserted(ten, 5, {55, "Kid"})) + QByteArrayLiteral("tail"));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("HighScore.kvz")});
}

QTEST_GUILESS_MAIN(TestHighScores)
#include "tst_highscores.moc"
