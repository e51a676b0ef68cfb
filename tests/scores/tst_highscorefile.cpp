// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/HighScoreFile.h"
#include "support/FileBytes.h"
#include "support/ScoreBytes.h"
#include "support/TestGame.h"

#include <QDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#endif

using Kind = ScriptedDialogs::Kind;

namespace {

QStringList filesIn(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestHighScoreFile : public QObject
{
    Q_OBJECT

private slots:
    void reset_data();
    void reset();
    void absentRecords_data();
    void absentRecords();
    void storedName_data();
    void storedName();
    void unusableFile_data();
    void unusableFile();
    void failedWriteKeepsFile();
};

void TestHighScoreFile::reset_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("before");

    const QByteArray ten = ScoreBytes::table(ScoreBytes::tenEntries());
    QByteArray longTail;
    for (int i = 0; longTail.size() < 600 * 1024; ++i)
        longTail += QByteArray::number(i) + '\0';

    QTest::newRow("missing file") << false << QByteArray();
    QTest::newRow("empty file") << true << QByteArray();
    QTest::newRow("short file") << true << QByteArray(100, '\xAB');
    QTest::newRow("full table") << true << ten;
    QTest::newRow("bytes past record 10") << true << ten + QByteArrayLiteral("\x01\x02 another program's tail");
    QTest::newRow("tail longer than a copy block") << true << ten + longTail;
}

void TestHighScoreFile::reset()
{
    QFETCH(bool, present);
    QFETCH(QByteArray, before);

    TestGame g;
    if (present)
        QVERIFY(FileBytes::write(g.highScorePath(), before));
    g.game.highScores.ResetScores();

    const QByteArray after = FileBytes::read(g.highScorePath());
    QCOMPARE(after.size(), std::max<qsizetype>(240, before.size()));
    QCOMPARE(after.left(240), ScoreBytes::emptyTable());
    QCOMPARE(after.mid(240), before.mid(240));
    QVERIFY(g.dialogs.shown.isEmpty());
    // No temporary file of the replacement is left beside it.
    QCOMPARE(filesIn(g.dir.path()), QStringList{QStringLiteral("HighScore.kvz")});
}

void TestHighScoreFile::absentRecords_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("before");

    const QByteArray ten = ScoreBytes::table(ScoreBytes::tenEntries());
    QTest::newRow("missing file") << false << QByteArray();
    QTest::newRow("empty file") << true << QByteArray();
    QTest::newRow("a record and a half") << true << ten.left(36);
    QTest::newRow("one byte short") << true << ten.left(239);
    QTest::newRow("full table") << true << ten;
}

void TestHighScoreFile::absentRecords()
{
    QFETCH(bool, present);
    QFETCH(QByteArray, before);

    QTemporaryDir dir;
    const HighScoreFile file(dir.path());
    if (present)
        QVERIFY(FileBytes::write(file.path(), before));

    QString error;
    const auto table = file.read(&error);
    QVERIFY2(table, qPrintable(error));

    // What the file lacks reads as zero bytes.
    const QByteArray padded = before + QByteArray(240 - before.size(), '\0');
    for (int n = 0; n < 10; ++n) {
        QCOMPARE(table->at(n).Rank, ScoreBytes::rankAt(padded, n));
        QCOMPARE(table->at(n).Score, ScoreBytes::scoreAt(padded, n));
        QCOMPARE(table->at(n).Name, ScoreBytes::nameAt(padded, n));
    }
    if (before.size() <= 9 * 24)
        QCOMPARE(table->back(), HighScoreRecord());
    // Reading never changes the file, but leaves an empty one where there was none.
    QVERIFY(QFile::exists(file.path()));
    QCOMPARE(FileBytes::read(file.path()), before);
}

void TestHighScoreFile::storedName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("stored");

    QTest::newRow("20 characters") << QStringLiteral("ABCDEFGHIJKLMNOPQRST") << QByteArrayLiteral("ABCDEFGHIJKLMNOPQRST");
    QTest::newRow("21 characters") << QStringLiteral("ABCDEFGHIJKLMNOPQRSTU") << QByteArrayLiteral("ABCDEFGHIJKLMNOPQRST");
    QTest::newRow("empty") << QString() << QByteArray(20, ' ');
    QTest::newRow("short") << QStringLiteral("Ann") << QByteArrayLiteral("Ann                 ");
    QTest::newRow("e acute and euro") << QStringLiteral("Zoé€") << QByteArrayLiteral("Zo\xE9\x80                ");
    QTest::newRow("not in the code page") << QStringLiteral("Ωmega") << QByteArrayLiteral("?mega               ");
    QTest::newRow("beyond 16 bits") << QStringLiteral("A😀B") << QByteArrayLiteral("A?B                 ");
    QTest::newRow("cut inside a surrogate pair")
        << QString(19, QLatin1Char('X')) + QStringLiteral("😀Z") << QByteArray(19, 'X') + '?';
}

void TestHighScoreFile::storedName()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, stored);

    TestGame g;
    g.model.setScore(10);
    g.dialogs.textAnswers = {typed};
    g.game.highScores.CheckHighScore();

    const QByteArray bytes = FileBytes::read(g.highScorePath());
    QCOMPARE(bytes.size(), 240);
    QCOMPARE(bytes.left(24), ScoreBytes::record(1, 10, stored));
}

void TestHighScoreFile::unusableFile_data()
{
    QTest::addColumn<bool>("beneathFile");
    QTest::addColumn<int>("operation");

    enum { Check, Show, Reset };
    for (const auto &[beneathFile, place] : {std::pair{true, "folder beneath a file"}, {false, "file name taken by a folder"}})
        for (const auto &[operation, what] : {std::pair{int(Check), "name entry"}, {int(Show), "table"}, {int(Reset), "reset"}})
            QTest::addRow("%s, %s", place, what) << beneathFile << operation;
}

void TestHighScoreFile::unusableFile()
{
    QFETCH(bool, beneathFile);
    QFETCH(int, operation);

    // Paths that cannot work for anyone, root included.
    QTemporaryDir tmp;
    const QString blocker = tmp.filePath(QStringLiteral("blocker"));
    QString dataDir = tmp.path();
    if (beneathFile) {
        QVERIFY(FileBytes::write(blocker, "a plain file"));
        dataDir = blocker + QStringLiteral("/data");
    } else {
        QVERIFY(QDir(tmp.path()).mkdir(QStringLiteral("HighScore.kvz")));
    }

    ScriptedDialogs dialogs;
    ScriptedRandom random;
    Game game(dialogs, random, dataDir);
    game.setUp();
    game.model.setScore(50);
    dialogs.confirmByDefault = true;

    switch (operation) {
    case 0:
        game.highScores.CheckHighScore();
        break;
    case 1:
        game.highScores.showTable();
        break;
    default:
        game.highScores.confirmReset();
        break;
    }

    // The reason is shown once; no name is asked and no table shown for a file that cannot be read.
    QCOMPARE(dialogs.shown.size(), operation == 2 ? 2 : 1);
    const ScriptedDialogs::Shown &box = dialogs.shown.last();
    QCOMPARE(box.kind, Kind::Inform);
    QCOMPARE(box.title, QStringLiteral("Zentile"));
    QVERIFY(!box.text.isEmpty());
    QVERIFY(!box.text.startsWith(QStringLiteral("Rank")));

    if (beneathFile) {
        QCOMPARE(FileBytes::read(blocker), QByteArray("a plain file"));
    } else {
        QVERIFY(QFileInfo(tmp.filePath(QStringLiteral("HighScore.kvz"))).isDir());
        QVERIFY(filesIn(tmp.filePath(QStringLiteral("HighScore.kvz"))).isEmpty());
    }
    QCOMPARE(filesIn(tmp.path()), QStringList{beneathFile ? QStringLiteral("blocker") : QStringLiteral("HighScore.kvz")});

    // The game goes on.
    game.startGame();
    QVERIFY(game.model.ticking());
}

void TestHighScoreFile::failedWriteKeepsFile()
{
#ifdef Q_OS_LINUX
    TestGame g;
    const QByteArray before = ScoreBytes::table(ScoreBytes::tenEntries()) + QByteArray(64 * 1024, 'T');
    QVERIFY(FileBytes::write(g.highScorePath(), before));
    g.model.setScore(500);
    g.dialogs.textAnswers = {QStringLiteral("Ann")};

    // A file-size limit below the new file's size fails the write as a full disc would, even for
    // root; the game's own set-up keeps the limit's signal from ending the process.
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit tight = saved;
    tight.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
    g.game.highScores.CheckHighScore();
    setrlimit(RLIMIT_FSIZE, &saved);

    QCOMPARE(g.dialogs.shown.size(), 2);
    QCOMPARE(g.dialogs.shown[0].kind, Kind::AskText);
    QCOMPARE(g.dialogs.shown[1].kind, Kind::Inform);
    QCOMPARE(g.dialogs.shown[1].title, QStringLiteral("Zentile"));
    QVERIFY(!g.dialogs.shown[1].text.isEmpty());
    QCOMPARE(FileBytes::read(g.highScorePath()), before);
    QCOMPARE(filesIn(g.dir.path()), QStringList{QStringLiteral("HighScore.kvz")});

    // Once there is room again the same entry goes in.
    g.dialogs.textAnswers = {QStringLiteral("Ann")};
    g.game.highScores.CheckHighScore();
    QCOMPARE(FileBytes::read(g.highScorePath()).left(24), ScoreBytes::record(1, 500, ScoreBytes::name("Ann")));
#else
    QSKIP("needs a Linux file-size limit");
#endif
}

QTEST_GUILESS_MAIN(TestHighScoreFile)
#include "tst_highscorefile.moc"
