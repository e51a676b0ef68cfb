// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Games that share a data folder: each other game is this program again, started with
// --game, so that the same tests run wherever processes can be started and killed.
#include "play/Dictionary.h"
#include "scores/HighScoreFile.h"
#include "scores/HighScores.h"
#include "storage/FileLock.h"
#include "support/FileBytes.h"
#include "support/ScoreBytes.h"
#include "support/TestGame.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <memory>

#ifdef Q_OS_LINUX
#include "SystemFaults.h"
#endif

namespace {

// Ten records that no reset makes, told apart from the empty table byte for byte.
HighScoreFile::Table killTable()
{
    HighScoreFile::Table table = HighScoreFile::emptyTable();
    for (int n = 0; n < HighScoreFile::Places; ++n)
        table[n] = {qint16(n + 1), qint16(1000 - n), HighScoreRecord::encodeName(QStringLiteral("Kill %1").arg(n))};
    return table;
}

QByteArray bytesOf(const HighScoreFile::Table &table)
{
    QByteArray bytes;
    for (const auto &record : table)
        bytes += record.toBytes();
    return bytes;
}

bool saveTable(const HighScoreFile &file, const HighScoreFile::Table &table, QString *error)
{
    return file.update([&table](HighScoreFile::Table &onDisk) { return (onDisk = table), true; }, error);
}

void say(const char *line)
{
    std::fputs(line, stdout);
    std::fflush(stdout);
}

// The other game. "scores DIR G": saves two scores of game G and adds its word, failing if a
// save or the word fails. "resave DIR": saves two tables in turn until killed. "open FILE MS":
// holds the file open for reading, MS milliseconds or until killed when MS is 0.
int otherGame(const QStringList &args)
{
#ifdef Q_OS_LINUX
    SystemFaults::flockFails = qEnvironmentVariableIsSet("ZENTILE_TEST_NO_FLOCK");
#endif
    // QLockFile warns of each lock of the system's it cannot add to its own.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    const QString mode = args.value(0), path = args.value(1);
    const HighScoreFile file(path);
    QString error;
    if (mode == QLatin1String("scores")) {
        const int g = args.value(2).toInt();
        bool saved = true;
        for (int n = 0; n < 2; ++n)
            saved = file.update([&](HighScoreFile::Table &t) { return HighScores::enter(t, 100 + 10 * g + n, QStringLiteral("Game %1").arg(g)); }, &error) && saved;
        ScriptedDialogs dialogs;
        return saved && Dictionary(path, dialogs).AddToDictionary(QStringLiteral("GAME%1").arg(g)) ? 0 : 1;
    }
    if (mode == QLatin1String("resave")) {
        say("SAVING\n");
        for (bool even = true;; even = !even)
            saveTable(file, even ? killTable() : HighScoreFile::emptyTable(), &error);
    }
    if (mode == QLatin1String("open")) {
        QFile held(path);
        if (!held.open(QIODevice::ReadOnly))
            return 1;
        say("OPEN\n");
        const int ms = args.value(2).toInt();
        for (int slept = 0; ms == 0 || slept < ms; slept += 10)
            QThread::msleep(10);
        return 0;
    }
    return 2;
}

// Another game, started; it has reached `ready` when it printed it.
std::unique_ptr<QProcess> startGame(const QStringList &args, bool noFlock = false)
{
    auto game = std::make_unique<QProcess>();
    game->setProgram(QCoreApplication::applicationFilePath());
    game->setArguments(QStringList{QStringLiteral("--game")} + args);
    game->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (noFlock)
        env.insert(QStringLiteral("ZENTILE_TEST_NO_FLOCK"), QStringLiteral("1"));
    game->setProcessEnvironment(env);
    game->start();
    return game;
}

bool reached(QProcess &game, const char *ready)
{
    QByteArray out;
    while (!out.contains(ready) && game.waitForReadyRead(30000))
        out += game.readAllStandardOutput();
    return out.contains(ready);
}

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class TestSharedFolder : public QObject
{
    Q_OBJECT

private slots:
    void gamesEndTogether_data();
    void gamesEndTogether();
    void killedWhileSaving_data();
    void killedWhileSaving();
    void tableHeldOpen_data();
    void tableHeldOpen();
};

void TestSharedFolder::gamesEndTogether_data()
{
    QTest::addColumn<bool>("noFlock");
    QTest::addColumn<int>("locksBlocked");
    QTest::newRow("the folder's lock") << false << 0;
    QTest::newRow("a folder without flock (ENOLCK)") << true << 0;
    QTest::newRow("no flock, a folder in the lock file's place") << true << 1;
    QTest::newRow("no lock at all") << true << 2;
}

void TestSharedFolder::gamesEndTogether()
{
    // Four games save two scores each and add a word at once, in rounds: every score stays,
    // and with no lock at all, where a score may be lost to the race, every word still does
    // and no save fails.
    QFETCH(bool, noFlock);
    QFETCH(int, locksBlocked);
#ifndef Q_OS_LINUX
    if (noFlock && locksBlocked == 0)
        QSKIP("the lock file is this system's only lock: the first row has tried it");
#endif
#ifdef Q_OS_WIN
    if (locksBlocked == 2)
        QSKIP("two games appending to one file at once write at one offset on Windows");
#endif
    QTemporaryDir tmp;
    const QStringList blocked = QStringList{FileLock::lockFileName(), QStringLiteral(".zentile-2.lock")}.mid(0, locksBlocked);
    for (const QString &name : blocked)
        QVERIFY(QDir(tmp.path()).mkdir(name));
    const HighScoreFile file(tmp.path());
    constexpr int Games = 4, Rounds = 5;
    QStringList allWords;
    for (int g = 0; g < Games; ++g)
        allWords.append(QStringLiteral("GAME%1").arg(g));
    int kept = 0;
    for (int round = 0; round < Rounds; ++round) {
        QString error;
        QVERIFY(saveTable(file, HighScoreFile::emptyTable(), &error));
        QFile::remove(tmp.filePath(QStringLiteral("Dictionary.kvz")));
        std::vector<std::unique_ptr<QProcess>> games;
        for (int g = 0; g < Games; ++g)
            games.push_back(startGame({QStringLiteral("scores"), tmp.path(), QString::number(g)}, noFlock));
        for (const auto &game : games)
            QVERIFY(game->waitForFinished(60000) && game->exitCode() == 0);
        const auto table = file.read(&error);
        QVERIFY(table);
        kept += int(std::count_if(table->begin(), table->end(), [](const HighScoreRecord &r) { return r.Score >= 100; }));
        QStringList words = QString::fromLatin1(FileBytes::read(tmp.filePath(QStringLiteral("Dictionary.kvz")))).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        words.sort();
        QCOMPARE(words, allWords);
    }
    qInfo("%d of %d scores kept", kept, 2 * Games * Rounds);
    QVERIFY(kept == 2 * Games * Rounds || locksBlocked == 2);
    QStringList left = blocked;
    left.sort();
    QCOMPARE(entries(tmp.path()).filter(QStringLiteral("zentile")), left);
}

void TestSharedFolder::killedWhileSaving_data()
{
    QTest::addColumn<bool>("linked");
    QTest::newRow("the table itself") << false;
    QTest::newRow("a table that links to another folder") << true;
}

void TestSharedFolder::killedWhileSaving()
{
    QFETCH(bool, linked);
    QTemporaryDir tmp;
    const HighScoreFile file(tmp.path());
    // Written in the folder of the file the link names, and cleared there.
    const QString written = linked ? tmp.filePath(QStringLiteral("elsewhere/scores.bin")) : file.path();
    const QString folder = QFileInfo(written).path();
#ifdef Q_OS_WIN
    if (linked)
        QSKIP("a link Qt makes on Windows is a shortcut, which the game reads as a file");
#endif
    QVERIFY(!linked || (QDir(tmp.path()).mkdir(QStringLiteral("elsewhere")) && QFile::link(QStringLiteral("elsewhere/scores.bin"), file.path())));
    QString error;
    QVERIFY2(saveTable(file, HighScoreFile::emptyTable(), &error), qPrintable(error));

    // Another game saves the two tables in turn until it is killed at a random moment.
    QElapsedTimer clock;
    clock.start();
    int kills = 0;
    int temporariesSeen = 0;
    QSet<QByteArray> seen;
    while (kills < 300 && clock.elapsed() < 20000) {
        const auto game = startGame({QStringLiteral("resave"), tmp.path()});
        QVERIFY(reached(*game, "SAVING"));
        QThread::usleep(QRandomGenerator::global()->bounded(500, 50000));
        game->kill();
        QVERIFY(game->waitForFinished(30000));
        ++kills;
        const QByteArray now = FileBytes::read(written);
        QVERIFY2(now == bytesOf(HighScoreFile::emptyTable()) || now == bytesOf(killTable()), "the table is not whole after a kill");
        seen.insert(now);
        temporariesSeen += entries(folder).filter(QRegularExpression(QStringLiteral("^\\..*\\.zentile-\\w{6}$"))).size();
    }
    // The next save clears what the killed ones left, and nothing else: one more stale
    // temporary of the game's naming goes; a player's files of near names stay, also those
    // whose last six characters are digits of other scripts.
    const QString name = QFileInfo(written).fileName();
    QVERIFY(FileBytes::write(QDir(folder).filePath(u'.' + name + QStringLiteral(".zentile-Ab12Cd")), "stale"));
    const QStringList mine = {name + QStringLiteral(".Ab12Cd"), u'.' + name + QStringLiteral(".zentile-ABCDE\u0663"),
                              u'.' + name + QStringLiteral(".zentile-\uFF11\uFF12\uFF13\uFF14\uFF15\uFF16")};
    for (const QString &own : mine)
        QVERIFY(FileBytes::write(QDir(folder).filePath(own), "mine"));
    QVERIFY2(saveTable(file, killTable(), &error), qPrintable(error));
    QStringList expected = mine + QStringList{name};
    expected.sort();
    QCOMPARE(entries(folder), expected);
    QCOMPARE(FileBytes::read(written), bytesOf(killTable()));
    qInfo("%d kills in %lld ms; %d tables seen; %d temporaries seen after kills, none left", kills, clock.elapsed(),
          int(seen.size()), temporariesSeen);
}

void TestSharedFolder::tableHeldOpen_data()
{
    QTest::addColumn<int>("holdMs");
    QTest::newRow("for a moment") << 300;
    QTest::newRow("throughout") << 0;
}

void TestSharedFolder::tableHeldOpen()
{
    // A high score saved while another game holds the table open: saved once it lets go, or,
    // on Windows, which replaces no file that is open, refused with a box that says why, with
    // the table as it was and nothing left behind.
    QFETCH(int, holdMs);
    TestGame g;
    const QByteArray before = bytesOf(killTable());
    QVERIFY(FileBytes::write(g.highScorePath(), before));
    const auto other = startGame({QStringLiteral("open"), g.highScorePath(), QString::number(holdMs)});
    QVERIFY(reached(*other, "OPEN"));
    g.model.setScore(2000);
    g.dialogs.textAnswers = {QStringLiteral("Late")};
    QElapsedTimer clock;
    clock.start();
    g.game.highScores.CheckHighScore();
    qInfo("%lld ms: %s", clock.elapsed(), qPrintable(g.dialogs.shown.last().text));
    QVERIFY2(clock.elapsed() < 5000, "the save waited too long");
    other->kill();
    other->waitForFinished(30000);
#ifdef Q_OS_WIN
    const bool refused = holdMs == 0;
#else
    const bool refused = false;
#endif
    QCOMPARE(g.dialogs.shown.size(), refused ? 2 : 1);
    QVERIFY(!refused || g.dialogs.shown[1].text.startsWith(QStringLiteral("Your high score could not be saved in ")));
    QCOMPARE(FileBytes::read(g.highScorePath()).left(24), refused ? before.left(24) : ScoreBytes::record(1, 2000, ScoreBytes::name("Late")));
    QCOMPARE(entries(g.dir.path()), QStringList{QStringLiteral("HighScore.kvz")});
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--game") == 0)
        return otherGame(app.arguments().mid(2));
    TestSharedFolder test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sharedfolder.moc"
