// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The data files when the machine misbehaves: a full disk, odd files in their place, two
// games saving at once and kills in the middle of a save. Each risky step runs in a child
// process with a time limit, so a hang fails the test instead of stalling the run.

#include "SystemFaults.h"
#include "scores/HighScoreFile.h"
#include "support/FileBytes.h"
#include "support/ScoreBytes.h"
#include "support/TestGame.h"

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTest>
#include <QThread>

#include <csignal>
#include <poll.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

using Kind = ScriptedDialogs::Kind;
using namespace SystemFaults;

namespace {

// In groups, which the set-up tells apart by their order.
enum class Fault {
    FileSizeLimit, Fifo, DevZero, Directory, LinkLoop, LinkIntoMissingFolder, FullTmpfs, ReadOnlyFolder, WritableTableInReadOnlyFolder, FailedSync,
    PlayersFiles, LockDirectory, LockFifo, LockReadOnly, LockOfAnotherOwner, LockLinkElsewhere, SparseTail, ChmodNotSupported, ChmodRefused, LinkedTable, ByteOrderMark
};
enum class Operation { SaveScore, Reset, ShowTable, AddWord, LookUp, EndGame };

struct Outcome
{
    bool finished = false; // false: the child hung and was killed
    QList<ScriptedDialogs::Shown> boxes;
    QString found;         // the words a lookup found
};

// Runs `step` in a forked child under a time limit; what it showed comes back through a pipe.
Outcome inChild(const std::function<QString(ScriptedDialogs &)> &step, qsizetype fileSizeLimit = -1, int timeoutMs = 5000)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        ::close(fds[0]);
        if (fileSizeLimit >= 0) {
            // A full disk as any user can have one. The signal keeps its default action:
            // that writes past the limit fail with EFBIG is the game's own doing.
            const rlimit limit{rlim_t(fileSizeLimit), rlim_t(fileSizeLimit)};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        ScriptedDialogs dialogs;
        dialogs.confirmByDefault = true;
        const QString found = step(dialogs);
        QByteArray report;
        QDataStream out(&report, QIODevice::WriteOnly);
        out << found << qint32(dialogs.shown.size());
        for (const auto &box : dialogs.shown)
            out << qint32(box.kind) << box.text << box.title;
        // Lifted before the report, which is no data file.
        const rlimit none{RLIM_INFINITY, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &none);
        QFile pipeEnd;
        _exit(pipeEnd.open(fds[1], QIODevice::WriteOnly) && pipeEnd.write(report) == report.size() && pipeEnd.flush() ? 0 : 3);
    }
    ::close(fds[1]);
    QByteArray report;
    QElapsedTimer clock;
    clock.start();
    bool closed = false;
    while (!closed && clock.elapsed() < timeoutMs) {
        pollfd p{fds[0], POLLIN, 0};
        if (poll(&p, 1, 100) <= 0)
            continue;
        char buffer[4096];
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n <= 0)
            closed = true;
        else
            report.append(buffer, n);
    }
    ::close(fds[0]);
    if (!closed)
        kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    Outcome outcome;
    outcome.finished = closed && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    QDataStream in(report);
    qint32 count = 0;
    in >> outcome.found >> count;
    for (qint32 i = 0; i < count; ++i) {
        qint32 kind;
        ScriptedDialogs::Shown box;
        in >> kind >> box.text >> box.title;
        box.kind = Kind(kind);
        outcome.boxes.append(box);
    }
    return outcome;
}

QString run(Operation operation, const DataFolder &dataDir, ScriptedDialogs &dialogs)
{
    ScriptedRandom random;
    Game game(dialogs, random, dataDir);
    game.setUp();
    switch (operation) {
    case Operation::SaveScore:
        game.model.setScore(500);
        dialogs.textAnswers = {QStringLiteral("Alice")};
        game.highScores.CheckHighScore();
        break;
    case Operation::Reset:
        game.highScores.confirmReset();
        break;
    case Operation::ShowTable:
        game.highScores.showTable();
        break;
    case Operation::AddWord:
        game.dictionary.AddToDictionary(QStringLiteral("SCUBA"));
        break;
    case Operation::LookUp: {
        QStringList found = game.dictionary.findAll({QStringLiteral("CAT"), QStringLiteral("ZEN")}).values();
        found.sort();
        return found.join(u',');
    }
    case Operation::EndGame:
        game.startGame();
        game.model.addPlayedWord(QStringLiteral("SCUBA"));
        game.model.setScore(500);
        game.finishGame();
        game.tick();
        break;
    }
    return {};
}

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

const QByteArray Words = "ZEN\r\nCAT\r\n";
constexpr qint64 SparseSize = 16LL << 30;

} // namespace

class TestDataFaults : public QObject
{
    Q_OBJECT

private slots:
    void faults_data();
    void faults();
    void writeOnlyDictionaryGetsItsOwnLine();
    void appendersRaceAtTheSizeLimit();
    void twoGamesEndAtOnce();
    void seedCopy_data();
    void seedCopy();
};

void TestDataFaults::faults_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<Operation>("operation");
    // The box's first words, or empty for no box.
    QTest::addColumn<QString>("box");

    const QString saved = QStringLiteral("Your high score could not be saved in ");
    const QString reset = QStringLiteral("The high scores could not be reset in ");
    const QString read = QStringLiteral("The high scores could not be read from ");
    const QString word = QStringLiteral("The word SCUBA could not be added to your dictionary in ");
    const QString table = QStringLiteral("Rank     Score       Name");

    // A full disk, a full tmpfs (root only) and a failed sync are shown; entries the game did
    // not make are neither removed nor in the way, and nothing is shown.
    using enum Fault;
    for (const auto &[fault, name] : {std::pair{FileSizeLimit, "full disk"}, {FullTmpfs, "full tmpfs"}, {FailedSync, "failed sync"},
                                      {PlayersFiles, "player's files of near names"}, {LockDirectory, "lock left as a directory"},
                                      {LockFifo, "lock left as a FIFO"}, {LockReadOnly, "lock left read-only"},
                                      {LockOfAnotherOwner, "lock of another owner"}, {LockLinkElsewhere, "lock linked elsewhere"},
                                      {SparseTail, "16 GiB sparse tail"}, {ChmodNotSupported, "folder without permissions (ENOSYS)"},
                                      {ChmodRefused, "folder without permissions (EPERM)"}, {LinkedTable, "linked table"}}) {
        const bool shown = fault < PlayersFiles;
        const QByteArray prefix = QByteArray(name) + ": ";
        QTest::newRow(prefix + "save a score") << fault << Operation::SaveScore << (shown ? saved : QString());
        QTest::newRow(prefix + "reset") << fault << Operation::Reset << (shown ? reset : QString());
        QTest::newRow(prefix + "add a word") << fault << Operation::AddWord << (shown ? word : QString());
    }
    QTest::newRow("full disk: show the table") << FileSizeLimit << Operation::ShowTable << table;

    for (const auto &[fault, name] : {std::pair{Fifo, "FIFO"}, {DevZero, "link to /dev/zero"}, {Directory, "directory"}, {LinkLoop, "link to itself"}}) {
        const QByteArray prefix = QByteArray(name) + ": ";
        QTest::newRow(prefix + "save a score") << fault << Operation::SaveScore << read;
        QTest::newRow(prefix + "reset") << fault << Operation::Reset << reset;
        QTest::newRow(prefix + "show the table") << fault << Operation::ShowTable << read;
        QTest::newRow(prefix + "add a word") << fault << Operation::AddWord << word;
        QTest::newRow(prefix + "look up") << fault << Operation::LookUp << QString();
        QTest::newRow(prefix + "end a game") << fault << Operation::EndGame << read;
    }

    // A read-only folder is a mount for root and permissions for others.
    QTest::newRow("read-only folder: save a score") << ReadOnlyFolder << Operation::SaveScore << saved;
    QTest::newRow("read-only folder: add a word") << ReadOnlyFolder << Operation::AddWord << word;
    QTest::newRow("read-only folder, no table yet: show the table") << ReadOnlyFolder << Operation::ShowTable << table;
    QTest::newRow("writable table in a read-only folder: save a score") << WritableTableInReadOnlyFolder << Operation::SaveScore << saved;
    QTest::newRow("byte-order mark: look up") << ByteOrderMark << Operation::LookUp << QString();
    QTest::newRow("table linked into a missing folder: save a score") << LinkIntoMissingFolder << Operation::SaveScore << saved;
}

void TestDataFaults::faults()
{
    QFETCH(Fault, fault);
    QFETCH(Operation, operation);
    QFETCH(QString, box);

    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString dataDir = tmp.filePath(QStringLiteral("data"));
    QVERIFY(QDir().mkpath(dataDir));
    const QString tablePath = dataDir + QStringLiteral("/HighScore.kvz");
    const QString dictionaryPath = dataDir + QStringLiteral("/Dictionary.kvz");
    const QByteArray oldTable = ScoreBytes::table(ScoreBytes::tenEntries());
    const bool onTable = operation == Operation::SaveScore || operation == Operation::Reset || operation == Operation::ShowTable;
    // A game's end meets both files; its first box is about the table.
    const QStringList targets = operation == Operation::EndGame ? QStringList{tablePath, dictionaryPath}
                                                                : QStringList{onTable ? tablePath : dictionaryPath};
    // A folder that refuses the new table's temporary while the table itself is writable.
    const QString missing = tmp.filePath(QStringLiteral("missing"));
    const QString target = fault == Fault::WritableTableInReadOnlyFolder ? dataDir
                         : fault == Fault::LinkIntoMissingFolder         ? missing
                                                                         : targets.first();

    qsizetype sizeLimit = -1;
    QString expectedFound;
    const QString elsewhere = tmp.filePath(QStringLiteral("elsewhere"));
    const QString lockPath = tablePath + QStringLiteral(".lock");
    bool mounted = false;
    bool restoreMode = false;
    const auto undo = qScopeGuard([&] {
        if (mounted)
            umount2(dataDir.toLocal8Bit().constData(), MNT_DETACH);
        if (restoreMode)
            QFile::setPermissions(dataDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        syncFails = false;
        chmodFails = 0;
    });
    const auto blocksOf = [](const QString &path) {
        struct stat info{};
        return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? qint64(info.st_blocks) : -1;
    };
    if (fault == Fault::FileSizeLimit || fault >= Fault::ReadOnlyFolder) {
        if (fault != Fault::ReadOnlyFolder || operation != Operation::ShowTable)
            QVERIFY(FileBytes::write(tablePath, oldTable));
        QVERIFY(FileBytes::write(dictionaryPath, Words));
    }
    // Odd entries in the data files' place, or where a lock file would be.
    const QStringList planted = fault >= Fault::LockDirectory ? QStringList{lockPath} : targets;
    switch (fault) {
    case Fault::FileSizeLimit:
        // Two bytes short of the limit: an append is cut inside the word.
        QVERIFY(FileBytes::write(dictionaryPath, Words + QByteArray("WORD\r\n").repeated(14) + "AB\r\n"));
        sizeLimit = 100;
        break;
    case Fault::Fifo:
    case Fault::LockFifo:
        for (const QString &path : planted)
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        break;
    case Fault::DevZero:
    case Fault::LockLinkElsewhere:
        for (const QString &path : planted)
            QVERIFY(QFile::link(fault == Fault::DevZero ? QStringLiteral("/dev/zero") : elsewhere, path));
        break;
    case Fault::Directory:
    case Fault::LockDirectory:
        for (const QString &path : planted)
            QVERIFY(QDir().mkdir(path));
        break;
    case Fault::LinkLoop:
        for (const QString &path : planted)
            QVERIFY(QFile::link(path, path));
        break;
    case Fault::LinkIntoMissingFolder:
        QVERIFY(QFile::link(missing + QStringLiteral("/scores.bin"), tablePath));
        break;
    case Fault::FullTmpfs: {
        if (geteuid() != 0 || mount("tmpfs", dataDir.toLocal8Bit().constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP("needs root to mount a tmpfs");
        mounted = true;
        QVERIFY(FileBytes::write(tablePath, oldTable));
        // A whole page, so the next byte needs a new one.
        QVERIFY(FileBytes::write(dictionaryPath, Words.repeated(4096 / Words.size()) + QByteArray(4096 % Words.size(), '\n')));
        QFile filler(dataDir + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) == 4096) {
        }
        break;
    }
    case Fault::ReadOnlyFolder:
    case Fault::WritableTableInReadOnlyFolder: {
        const QByteArray path = dataDir.toLocal8Bit();
        if (geteuid() != 0) {
            // Permissions bind an ordinary user; root needs a read-only mount.
            if (fault == Fault::ReadOnlyFolder) {
                for (const QString &file : {tablePath, dictionaryPath})
                    QFile::setPermissions(file, QFile::ReadOwner);
            }
            QVERIFY(QFile::setPermissions(dataDir, QFile::ReadOwner | QFile::ExeOwner));
            restoreMode = true;
        } else if (mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr) == 0) {
            mounted = true;
            QCOMPARE(mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr), 0);
            if (fault == Fault::WritableTableInReadOnlyFolder) {
                // Root: a writable file mounted in the table's place.
                QVERIFY(FileBytes::write(elsewhere, oldTable));
                QCOMPARE(mount(QFile::encodeName(elsewhere).constData(), QFile::encodeName(tablePath).constData(), nullptr, MS_BIND, nullptr), 0);
            }
        } else {
            QSKIP("root without the right to mount: the folder cannot be made read-only");
        }
        break;
    }
    case Fault::FailedSync:
        syncFails = true;
        break;
    case Fault::PlayersFiles:
        QVERIFY(FileBytes::write(elsewhere, "a file elsewhere"));
        QCOMPARE(::link(QFile::encodeName(elsewhere).constData(), QFile::encodeName(dataDir + QStringLiteral("/HighScore.kvz.linked")).constData()), 0);
        for (const char *name : {"HighScore.kvz.backup", "HIGHSCORE.KVZ.BACKUP", "highscore.KVZ.saved1", "HighScore.kvz.old123",
                                 "HighScore.kvz.Ab12Cd", ".HighScore.kvz.zentile-mine", "Dictionary.kvz.backup"})
            QVERIFY(FileBytes::write(dataDir + u'/' + QLatin1String(name), name));
        break;
    case Fault::LockReadOnly:
    case Fault::LockOfAnotherOwner:
        if (fault == Fault::LockOfAnotherOwner && geteuid() != 0)
            QSKIP("needs root to give a file to another owner");
        QVERIFY(FileBytes::write(lockPath, ""));
        QCOMPARE(chmod(QFile::encodeName(lockPath).constData(), fault == Fault::LockReadOnly ? 0444 : 0600), 0);
        QVERIFY(fault == Fault::LockReadOnly || chown(QFile::encodeName(lockPath).constData(), 65534, 65534) == 0);
        break;
    case Fault::SparseTail: {
        QFile file(tablePath);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.resize(SparseSize) && file.seek(SparseSize - 4) && file.write("TAIL") == 4);
        file.close();
        if (blocksOf(tablePath) * 512 > 1 << 20)
            QSKIP("the file system keeps no holes");
        break;
    }
    case Fault::ChmodNotSupported:
    case Fault::ChmodRefused:
        chmodFails = fault == Fault::ChmodNotSupported ? ENOSYS : EPERM;
        break;
    case Fault::LinkedTable:
        QVERIFY(QFile::rename(tablePath, elsewhere) && QFile::link(elsewhere, tablePath));
        break;
    case Fault::ByteOrderMark:
        QVERIFY(FileBytes::write(dictionaryPath, "\xEF\xBB\xBF" + Words));
        expectedFound = QStringLiteral("CAT,ZEN");
        break;
    }
    // Data files that may change; the rest, and everything outside the folder, may not.
    const bool saves = box.isEmpty() && operation != Operation::LookUp;
    const qint64 tableBlocks = blocksOf(tablePath);
    QHash<QString, QByteArray> othersBefore;
    for (const QString &name : entries(dataDir)) {
        const QString path = dataDir + u'/' + name;
        if (QFileInfo(path).isFile() && !QFileInfo(path).isSymLink() && !targets.contains(path) && QFileInfo(path).size() < 1 << 20)
            othersBefore.insert(name, FileBytes::read(path));
    }
    const QStringList outsideBefore = entries(tmp.path());
    const QByteArray tableBefore = QFileInfo(tablePath).isFile() && fault != Fault::SparseTail ? FileBytes::read(tablePath) : QByteArray();
    const QByteArray dictionaryBefore = QFileInfo(dictionaryPath).isFile() ? FileBytes::read(dictionaryPath) : QByteArray();
    const QStringList entriesBefore = entries(dataDir);

    const Outcome outcome = inChild([&](ScriptedDialogs &dialogs) { return run(operation, dataDir, dialogs); }, sizeLimit);
    QVERIFY2(outcome.finished, "the operation hung or crashed");

    // Nothing was lost or cut, and nothing was left behind.
    QCOMPARE(entries(dataDir), entriesBefore);
    QCOMPARE(entries(tmp.path()), outsideBefore);
    for (auto other = othersBefore.cbegin(); other != othersBefore.cend(); ++other)
        QCOMPARE(FileBytes::read(dataDir + u'/' + other.key()), other.value());
    if (fault == Fault::SparseTail) {
        // The tail is kept, holes and all.
        QFile file(tablePath);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.size() == SparseSize && file.seek(SparseSize - 4));
        QCOMPARE(file.read(4), QByteArray("TAIL"));
        QVERIFY2(blocksOf(tablePath) <= tableBlocks + 16, qPrintable(QString::number(blocksOf(tablePath) - tableBlocks)));
    } else if (QFileInfo(tablePath).isFile() && !(saves && onTable)) {
        QCOMPARE(FileBytes::read(tablePath), tableBefore);
    }
    if (QFileInfo(dictionaryPath).isFile() && !(saves && operation == Operation::AddWord))
        QCOMPARE(FileBytes::read(dictionaryPath), dictionaryBefore);
    if (saves && operation == Operation::SaveScore && fault != Fault::SparseTail)
        QCOMPARE(FileBytes::read(tablePath).left(24), ScoreBytes::record(1, 500, ScoreBytes::name("Alice")));
    // The link is kept, and its target takes the new table.
    if (fault == Fault::LinkedTable && onTable)
        QVERIFY(QFileInfo(tablePath).isSymLink() && FileBytes::read(elsewhere).size() == oldTable.size());
    if (saves && operation == Operation::AddWord)
        QVERIFY(FileBytes::read(dictionaryPath).endsWith("SCUBA\r\n"));

    QList<ScriptedDialogs::Shown> informs = outcome.boxes;
    informs.removeIf([](const ScriptedDialogs::Shown &shown) { return shown.kind != Kind::Inform; });
    if (box.isEmpty()) {
        QVERIFY2(informs.isEmpty(), qPrintable(informs.value(0).text));
        QCOMPARE(outcome.found, expectedFound);
        return;
    }
    QVERIFY(!informs.isEmpty());
    const ScriptedDialogs::Shown &first = informs.first();
    QVERIFY2(first.text.startsWith(box), qPrintable(first.text));
    if (!first.text.startsWith(QStringLiteral("Rank"))) {
        // Where, and why.
        QCOMPARE(first.title, QStringLiteral("Zentile"));
        QVERIFY2(first.text.contains(target + QStringLiteral(": ")), qPrintable(first.text));
        QVERIFY2(fault != Fault::LinkLoop || first.text.endsWith(QStringLiteral(": Too many levels of symbolic links.")), qPrintable(first.text));
        QVERIFY2(fault != Fault::LinkIntoMissingFolder || first.text.endsWith(QStringLiteral(": No such file or directory.")), qPrintable(first.text));
        QVERIFY(first.text.size() > first.text.indexOf(target) + target.size() + 3);
    }
}

void TestDataFaults::writeOnlyDictionaryGetsItsOwnLine()
{
    // Unreadable for an ordinary user; root reads it and must come to the same bytes.
    TestGame g;
    QVERIFY(FileBytes::write(g.dictionaryPath(), "ZEN\r\nCAT"));
    QVERIFY(QFile::setPermissions(g.dictionaryPath(), QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
    QVERIFY(g.game.dictionary.AddToDictionary(QStringLiteral("SCUBA")));
    QVERIFY(QFile::setPermissions(g.dictionaryPath(), QFile::ReadOwner | QFile::WriteOwner));
    QCOMPARE(FileBytes::read(g.dictionaryPath()), QByteArray("ZEN\r\nCAT\r\nSCUBA\r\n"));
    QVERIFY(g.dialogs.shown.isEmpty());
}

void TestDataFaults::appendersRaceAtTheSizeLimit()
{
    // Two games add words at once as the dictionary reaches a size limit: failed appends roll
    // back, yet every word a game was told is saved stays, whole. Lengths vary, so that near
    // the limit short words still fit while long ones fail.
    const auto word = [](char game, int n) { return QLatin1Char(game) + QString::number(n) + QString(n % 17, u'X'); };
    QStringList attempted = {QStringLiteral("ZEN"), QStringLiteral("CAT")};
    for (int n = 0; n < 300; ++n)
        attempted << word('A', n) << word('B', n);
    // A lost word needs the two games to meet at the wrong moment: give them many chances.
    for (int round = 0; round < 10; ++round) {
        QTemporaryDir tmp;
        const QString path = tmp.filePath(QStringLiteral("Dictionary.kvz"));
        QVERIFY(FileBytes::write(path, Words));
        const Outcome outcome = inChild(
            [&](ScriptedDialogs &dialogs) {
                // Game B reports the words it saved to game A through a pipe.
                int fds[2];
                const pid_t other = pipe(fds) == 0 ? fork() : -1;
                ScriptedRandom random;
                Game game(dialogs, random, tmp.path());
                QStringList saved;
                for (int n = 0; n < 300; ++n) {
                    if (const QString w = word(other == 0 ? 'B' : 'A', n); game.dictionary.AddToDictionary(w))
                        saved.append(w);
                }
                QFile pipeEnd;
                if (other == 0)
                    _exit(pipeEnd.open(fds[1], QIODevice::WriteOnly) && pipeEnd.write(saved.join(u',').toLatin1()) >= 0 && pipeEnd.flush() ? 0 : 1);
                ::close(fds[1]);
                const QString theirs = pipeEnd.open(fds[0], QIODevice::ReadOnly) ? QString::fromLatin1(pipeEnd.readAll()) : QString();
                int status = 0;
                return other > 0 && waitpid(other, &status, 0) == other && status == 0 ? saved.join(u',') + u',' + theirs : QString();
            },
            1500, 20000);
        QVERIFY(outcome.finished);
        const QStringList saved = outcome.found.split(u',', Qt::SkipEmptyParts);
        const QStringList lines = QString::fromLatin1(FileBytes::read(path)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QVERIFY2(saved.size() > 20 && saved.size() < 600, qPrintable(outcome.found));
        for (const QString &line : lines)
            QVERIFY2(attempted.contains(line), qPrintable(line));
        for (const QString &w : saved)
            QVERIFY2(lines.contains(w), qPrintable(w));
    }
}

void TestDataFaults::twoGamesEndAtOnce()
{
    TestGame first;
    const QByteArray before = ScoreBytes::table(ScoreBytes::tenEntries());
    QVERIFY(FileBytes::write(first.highScorePath(), before));

    ScriptedDialogs dialogs;
    ScriptedRandom random;
    Game second(dialogs, random, first.dir.path());
    second.setUp();
    second.model.setScore(75);
    dialogs.textAnswers = {QStringLiteral("Second")};

    // The second game ends while the first one's name box is open.
    first.model.setScore(95);
    first.dialogs.textAnswers = {QStringLiteral("First")};
    first.dialogs.whileShowing = [&](const ScriptedDialogs::Shown &box) {
        if (box.kind == Kind::AskText)
            second.highScores.CheckHighScore();
    };
    first.game.highScores.CheckHighScore();

    QCOMPARE(FileBytes::read(first.highScorePath()),
             ScoreBytes::table({{100, "Ada"}, {95, "First"}, {90, "Bob"}, {80, "Cid"}, {75, "Second"}, {70, "Dee"},
                                {60, "Eve"}, {50, "Fay"}, {40, "Gus"}, {30, "Hal"}}));
    QCOMPARE(entries(first.dir.path()), QStringList{QStringLiteral("HighScore.kvz")});

    // A score that no longer earns a place once the other game has saved writes nothing.
    QVERIFY(FileBytes::write(first.highScorePath(), before));
    first.model.setScore(11);
    first.dialogs.textAnswers = {QStringLiteral("Late")};
    second.model.setScore(15);
    dialogs.textAnswers = {QStringLiteral("Early")};
    first.game.highScores.CheckHighScore();
    QCOMPARE(FileBytes::read(first.highScorePath()),
             ScoreBytes::table({{100, "Ada"}, {90, "Bob"}, {80, "Cid"}, {70, "Dee"}, {60, "Eve"}, {50, "Fay"},
                                {40, "Gus"}, {30, "Hal"}, {20, "Ivy"}, {15, "Early"}}));
}

void TestDataFaults::seedCopy_data()
{
    QTest::addColumn<QString>("seed");
    QTest::newRow("a FIFO as the seed dictionary") << QStringLiteral("fifo");
    QTest::newRow("a folder as the seed table") << QStringLiteral("folder");
    QTest::newRow("a 16 GiB sparse seed table") << QStringLiteral("sparse");
    QTest::newRow("seed copies killed, no unnamed files") << QStringLiteral("killed");
    QTest::newRow("a folder refusing rename flags and links") << QStringLiteral("noflags");
}

void TestDataFaults::seedCopy()
{
    // The first write copies the file beside a system-wide game into the player's folder.
    QFETCH(QString, seed);
    QTemporaryDir tmp;
    const QString exeDir = tmp.filePath(QStringLiteral("bin")), playerDir = tmp.filePath(QStringLiteral("player"));
    const QString seedTable = exeDir + QStringLiteral("/HighScore.kvz"), seedWords = exeDir + QStringLiteral("/Dictionary.kvz");
    const QString ownTable = playerDir + QStringLiteral("/HighScore.kvz"), ownWords = playerDir + QStringLiteral("/Dictionary.kvz");
    const DataFolder folder(playerDir, exeDir);
    QVERIFY(QDir().mkpath(exeDir));
    const auto inChildOn = [&](Operation operation) { return inChild([&](ScriptedDialogs &dialogs) { return run(operation, folder, dialogs); }); };
    if (seed == QStringLiteral("fifo") || seed == QStringLiteral("folder")) {
        // No hang, and the box names the seed the game failed on.
        const bool fifo = seed == QStringLiteral("fifo");
        QVERIFY(fifo ? mkfifo(QFile::encodeName(seedWords).constData(), 0644) == 0 : QDir().mkdir(seedTable));
        const Outcome outcome = inChildOn(fifo ? Operation::AddWord : Operation::SaveScore);
        QVERIFY2(outcome.finished, "the operation hung or crashed");
        QCOMPARE(outcome.boxes.size(), 1);
        QVERIFY2(outcome.boxes.first().text.contains((fifo ? seedWords : seedTable) + QStringLiteral(": ")), qPrintable(outcome.boxes.first().text));
        QVERIFY(entries(playerDir).isEmpty());
    } else if (seed == QStringLiteral("noflags")) {
        // As a FUSE folder: the seed is copied and written to all the same.
        QVERIFY(FileBytes::write(seedWords, Words));
        QVERIFY(FileBytes::write(seedTable, ScoreBytes::table(ScoreBytes::tenEntries())));
        noRenameFlags = noUnnamedFiles = true;
        const auto undo = qScopeGuard([] { noRenameFlags = noUnnamedFiles = false; });
        QVERIFY(inChildOn(Operation::AddWord).boxes.isEmpty());
        QVERIFY(inChildOn(Operation::SaveScore).boxes.size() == 1);
        QCOMPARE(FileBytes::read(ownWords), Words + "SCUBA\r\n");
        QCOMPARE(FileBytes::read(ownTable).left(24), ScoreBytes::record(1, 500, ScoreBytes::name("Alice")));
        QCOMPARE(entries(playerDir), (QStringList{QStringLiteral("Dictionary.kvz"), QStringLiteral("HighScore.kvz")}));
    } else if (seed == QStringLiteral("sparse")) {
        QFile file(seedTable);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(ScoreBytes::table(ScoreBytes::tenEntries())) > 0 && file.resize(SparseSize)
                && file.seek(SparseSize - 4) && file.write("TAIL") == 4);
        file.close();
        QElapsedTimer clock;
        clock.start();
        const Outcome outcome = inChildOn(Operation::SaveScore);
        struct stat info{};
        QVERIFY(outcome.finished && outcome.boxes.size() == 1 && ::stat(QFile::encodeName(ownTable).constData(), &info) == 0);
        qInfo("16 GiB sparse seed: the first high score in %lld ms, %lld KiB on the disk", clock.elapsed(), qint64(info.st_blocks) / 2);
        QVERIFY(info.st_size == SparseSize && info.st_blocks < 2048);
        QFile copy(ownTable);
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.read(24), ScoreBytes::record(1, 500, ScoreBytes::name("Alice")));
        QVERIFY(copy.seek(SparseSize - 4) && copy.read(4) == "TAIL");
    } else {
        // Killed while copying into a folder without unnamed files: the next write clears the
        // named copies left, and keeps the word whole.
        const QByteArray words = Words + QByteArray("WORD\r\n").repeated(4 << 20);
        QVERIFY(FileBytes::write(seedWords, words));
        noUnnamedFiles = true;
        const auto undo = qScopeGuard([] { noUnnamedFiles = false; });
        int left = 0;
        for (int kill = 0; kill < 80; ++kill) {
            const pid_t pid = fork();
            if (pid == 0) {
                ScriptedDialogs dialogs;
                run(Operation::AddWord, folder, dialogs);
                _exit(0);
            }
            QThread::usleep(QRandomGenerator::global()->bounded(500, 30000));
            ::kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            const QByteArray copy = FileBytes::read(ownWords);
            QVERIFY(!QFileInfo::exists(ownWords) || copy == words || copy == words + "SCUBA\r\n");
            QFile::remove(ownWords);
            left += int(entries(playerDir).size());
        }
        const Outcome next = inChildOn(Operation::AddWord);
        QVERIFY(next.finished && next.boxes.isEmpty());
        qInfo("80 kills while copying the seed; %d leftovers seen after kills, none after the next word", left);
        QCOMPARE(entries(playerDir).join(u' '), QStringLiteral("Dictionary.kvz"));
        QCOMPARE(FileBytes::read(ownWords), words + "SCUBA\r\n");
    }
}

QTEST_GUILESS_MAIN(TestDataFaults)
#include "tst_datafaults.moc"
