// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/HighScoreFile.h"
#include "storage/FileLock.h"
#include "support/FileBytes.h"
#include "support/ScoreBytes.h"
#include "support/TestGame.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include <future>
#include <thread>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#endif
#ifdef ZENTILE_SYSTEM_FAULTS
#include "robustness/SystemFaults.h"
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
    void standingLock_data();
    void standingLock();
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

enum class Standing { KilledHere, OtherProgram, OtherHost, OtherHostOld, Pid1, Empty, Garbage, ReadOnly, DanglingLink, SelfLink, LiveGame };

void TestHighScoreFile::standingLock_data()
{
    QTest::addColumn<int>("standing");
    QTest::addColumn<bool>("folderLock");
    const char *kinds[] = {"left by a game killed here", "naming a live process of another name", "another host, fresh",
                           "another host, 2 days old", "PID 1", "0 bytes", "garbage", "read-only, of a killed game",
                           "dangling link", "link to itself", "held by a live game"};
    QList<std::pair<bool, const char *>> modes = {{false, "lock files"}};
#if defined(ZENTILE_SYSTEM_FAULTS) && !defined(ZENTILE_PORTABLE_STORAGE)
    modes = {{true, "folder lock"}, {false, "no flock"}};
#endif
    for (const auto &[folderLock, mode] : modes)
        for (int k = 0; k <= int(Standing::LiveGame); ++k)
            QTest::addRow("%s, %s", mode, kinds[k]) << k << folderLock;
}

void TestHighScoreFile::standingLock()
{
    QFETCH(int, standing);
    QFETCH(bool, folderLock);
    const auto kind = Standing(standing);
    const bool link = kind == Standing::DanglingLink || kind == Standing::SelfLink;
#ifndef Q_OS_UNIX
    if (link)
        QSKIP("needs symbolic links");
#endif
#ifdef ZENTILE_SYSTEM_FAULTS
    SystemFaults::flockFails = !folderLock;
    const auto undo = qScopeGuard([] { SystemFaults::flockFails = false; });
#endif
    TestGame g;
    const QString lockPath = g.dir.filePath(FileLock::lockFileName());
    // This machine's lock lines, as QLockFile writes them, with another PID.
    const auto linesFor = [&](qint64 pid) {
        QLockFile own(g.dir.filePath(QStringLiteral("own.lock")));
        own.lock();
        const QByteArray lines = FileBytes::read(own.fileName());
        return QByteArray::number(pid) + lines.mid(lines.indexOf('\n'));
    };
    QProcess ended;
    ended.start(QCoreApplication::applicationFilePath(), {QStringLiteral("-help")});
    QVERIFY(ended.waitForStarted());
    const qint64 deadPid = ended.processId();
    QVERIFY(ended.waitForFinished());

    FileLock holder(g.dir.path());
    QFile file(lockPath);
    const auto plant = [&](const QByteArray &bytes) { return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush(); };
    const QByteArray otherHost = "4242\nzentile\npc2-elsewhere\n0123456789abcdef\nfedcba9876543210\n";
    switch (kind) {
    case Standing::KilledHere:
    case Standing::ReadOnly:
        QVERIFY(plant(linesFor(deadPid)) && (kind == Standing::KilledHere || file.setPermissions(QFile::ReadOwner | QFile::ReadOther)));
        break;
    case Standing::OtherProgram:
        QVERIFY(plant(linesFor(QCoreApplication::applicationPid()).replace("tst_highscorefile", "another-program")));
        break;
    case Standing::OtherHost:
    case Standing::OtherHostOld:
        QVERIFY(plant(otherHost) && (kind == Standing::OtherHost || file.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime)));
        break;
    case Standing::Pid1:
        QVERIFY(plant(linesFor(1)));
        break;
    case Standing::Empty:
        QVERIFY(plant(""));
        break;
    case Standing::Garbage:
        QVERIFY(plant(QByteArray("\x00\xff\x13zentile?\n\n\x7f", 14)));
        break;
    case Standing::DanglingLink:
    case Standing::SelfLink:
        QVERIFY(QFile::link(kind == Standing::SelfLink ? lockPath : g.dir.filePath(QStringLiteral("nowhere")), lockPath));
        break;
    case Standing::LiveGame:
        QCOMPARE(holder.lock(), FileLock::Result::Locked);
        break;
    }
    file.close();
    const QByteArray lockBytes = FileBytes::read(lockPath);
    const QByteArray before = FileBytes::read(g.highScorePath());
    const int savedWait = std::exchange(FileLock::liveWaitMs, 1500);
    const auto restore = qScopeGuard([savedWait] { FileLock::liveWaitMs = savedWait; });

    g.model.setScore(500);
    g.dialogs.textAnswers = {QStringLiteral("Ann"), QStringLiteral("Ann")};
    // A hung save ends the run, which no check inside it could.
    std::promise<void> finished;
    std::thread limit([done = finished.get_future()] {
        if (done.wait_for(std::chrono::seconds(20)) == std::future_status::timeout)
            qFatal("the save hung");
    });
    QElapsedTimer clock;
    clock.start();
    g.game.highScores.CheckHighScore();
    if (kind == Standing::LiveGame) {
        // "No" leaves the table as it was; "Yes" once the other game is done saves the score.
        QCOMPARE(FileBytes::read(g.highScorePath()), before);
        g.dialogs.confirmAnswers = {true};
        g.dialogs.whileShowing = [&](const ScriptedDialogs::Shown &box) {
            if (box.kind == Kind::Confirm)
                holder.unlock();
        };
        g.game.highScores.CheckHighScore();
    }
    const qint64 elapsed = clock.elapsed();
    finished.set_value();
    limit.join();
    qInfo("saved in %lld ms", elapsed);

    if (kind == Standing::LiveGame) {
        const QString owner = lockBytes.isEmpty() ? QString()
                                                  : QStringLiteral(" (process %1 on %2)").arg(QCoreApplication::applicationPid()).arg(QString::fromUtf8(lockBytes.split('\n').value(2)));
        const QString asked = QStringLiteral("Your high score could not be saved in %1: another game%2 is saving. Try again?")
                                  .arg(QDir::toNativeSeparators(g.dir.path()), owner);
        QCOMPARE(g.dialogs.shown.size(), 4);
        for (const int box : {1, 3}) {
            QCOMPARE(g.dialogs.shown[box].kind, Kind::Confirm);
            QCOMPARE(g.dialogs.shown[box].title, QStringLiteral("Zentile"));
            QCOMPARE(g.dialogs.shown[box].text, asked);
        }
        // Each try waits the bound, not for good.
        QVERIFY2(elapsed >= 2 * FileLock::liveWaitMs && elapsed < 2 * FileLock::liveWaitMs + 3000, qPrintable(QString::number(elapsed)));
    } else {
        QCOMPARE(g.dialogs.shown.size(), 1);
        QVERIFY2(elapsed < 3000, qPrintable(QString::number(elapsed)));
    }
    QCOMPARE(FileBytes::read(g.highScorePath()).left(24), ScoreBytes::record(1, 500, ScoreBytes::name("Ann")));
    // No lock stays behind, nor what removing one takes; a link is never removed, and the
    // folder's own lock leaves lock files alone.
    QVERIFY(!link || QFileInfo(lockPath).isSymLink());
    const QStringList left = QDir(g.dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    QCOMPARE(left, link || (folderLock && kind != Standing::LiveGame) ? QStringList({FileLock::lockFileName(), QStringLiteral("HighScore.kvz")}) : QStringList{QStringLiteral("HighScore.kvz")});
}

QTEST_GUILESS_MAIN(TestHighScoreFile)
#include "tst_highscorefile.moc"
