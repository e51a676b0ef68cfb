// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FileBytes.h"
#include "support/ScoreBytes.h"
#include "support/TestGame.h"

#include <QSet>
#include <QTest>

#include <random>

namespace {

constexpr qsizetype MB = 1024 * 1024;

QByteArray randomBytes(qsizetype size, quint32 seed, bool lineEnds = true)
{
    std::mt19937 rng(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &b : bytes) {
        do
            b = char(rng());
        while (!lineEnds && (b == '\r' || b == '\n'));
    }
    return bytes;
}

// A table as the game writes it, with real names, for the truncated and oversized cases.
QByteArray goodTable()
{
    QList<ScoreBytes::Entry> entries;
    for (int n = 1; n <= 10; ++n)
        entries.append({1100 - 100 * n, QByteArray("Player ") + QByteArray::number(n)});
    return ScoreBytes::table(entries);
}

// The non-empty lines of a text, whatever ends them.
QSet<QByteArray> linesOf(const QByteArray &bytes)
{
    QSet<QByteArray> lines;
    qsizetype begin = 0;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        if (i == bytes.size() || bytes.at(i) == '\r' || bytes.at(i) == '\n') {
            if (i > begin)
                lines.insert(bytes.mid(begin, i - begin));
            begin = i + 1;
        }
    }
    return lines;
}

// What an append must add after `bytes`: a line end for an unended last line, then the words.
QByteArray appended(const QByteArray &bytes, const QStringList &words)
{
    QByteArray tail = !bytes.isEmpty() && !bytes.endsWith('\r') && !bytes.endsWith('\n') ? "\r\n" : "";
    for (const QString &word : words)
        tail += word.toLatin1() + "\r\n";
    return tail;
}

// The first 240 bytes as the game reads them: bytes the file lacks are zeros.
QByteArray tablePart(const QByteArray &bytes)
{
    return bytes.left(240).leftJustified(240, '\0');
}

// After a final score of `score` under `name`: the table has it at its place, every record
// above is untouched, every one below moved down one place, and the bytes past the table kept.
void verifyEntered(const QByteArray &before, const QByteArray &after, qint64 score, const QString &name)
{
    const QByteArray old = tablePart(before);
    int place = 0;
    while (place < 10 && score <= ScoreBytes::scoreAt(old, place))
        ++place;
    if (place == 10) {
        QCOMPARE(after, before);
        return;
    }
    QCOMPARE(after.size(), std::max<qsizetype>(240, before.size()));
    QVERIFY(after.mid(240) == before.mid(240));
    for (int n = 0; n < place; ++n)
        QVERIFY2(after.mid(24 * n, 24) == old.mid(24 * n, 24), qPrintable(QStringLiteral("record %1 changed").arg(n + 1)));
    QCOMPARE(ScoreBytes::rankAt(after, place), qint16(place + 1));
    QCOMPARE(ScoreBytes::scoreAt(after, place), qint16(std::min<qint64>(score, 32767)));
    QCOMPARE(ScoreBytes::nameAt(after, place), ScoreBytes::name(name.toLatin1()));
    for (int n = place + 1; n < 10; ++n) {
        QCOMPARE(ScoreBytes::rankAt(after, n), qint16(n + 1));
        QVERIFY2(after.mid(24 * n + 2, 22) == old.mid(24 * (n - 1) + 2, 22),
                 qPrintable(QStringLiteral("record %1 did not move to place %2").arg(n).arg(n + 1)));
    }
}

} // namespace

class tst_Robustness : public QObject
{
    Q_OBJECT

private slots:
    void dictionary_data() { corruptFiles(); }
    void dictionary();
    void highScores_data() { corruptFiles(); }
    void highScores();
    void gameEnd_data() { corruptFiles(); }
    void gameEnd();

private:
    static void corruptFiles();
};

// The same bytes serve as either file.
void tst_Robustness::corruptFiles()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("0 bytes") << QByteArray();
    QTest::newRow("239 bytes") << randomBytes(239, 1);
    QTest::newRow("241 bytes") << randomBytes(241, 2);
    QTest::newRow("binary junk with words") << randomBytes(64 * 1024, 3) + "\r\nHELLO\r\nZEN\n" + randomBytes(4096, 4);
    QTest::newRow("10 MB line") << QByteArray("ZEN\r\n") + QByteArray(10 * MB, 'A') + "\r\nHELLO";
    QTest::newRow("10 MB line of junk") << randomBytes(10 * MB, 5, false) + "\nWORD\n";
    QTest::newRow("no line ends, 1 MB") << randomBytes(MB, 6, false);
    QTest::newRow("no line ends, one word") << QByteArray("ABC");
    QTest::newRow("1 MB of NULs") << QByteArray(MB, '\0');
    QTest::newRow("NULs around words") << QByteArray(300, '\0') + "\r\nZEN\r\n" + QByteArray(300, '\0');
    QTest::newRow("CR line ends, last unended") << QByteArray("ONE\rTWO\r\rTHREE");
    QTest::newRow("lower case and blanks") << QByteArray("hello\r\nZEN \r\n ZEN\r\n");
    QTest::newRow("truncated table") << goodTable().left(100);
    QTest::newRow("table cut inside a record") << goodTable().left(235);
    QTest::newRow("table with 1 MB after it") << goodTable() + randomBytes(MB, 7);
}

void tst_Robustness::dictionary()
{
    QFETCH(QByteArray, bytes);
    TestGame t;
    QVERIFY(FileBytes::write(t.dictionaryPath(), bytes));
    const QSet<QByteArray> lines = linesOf(bytes);
    const QStringList words = {"HELLO", "ZEN", "WORD", "ABC", "ONE", "TWO", "THREE", "MISSING", "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"};
    QSet<QString> expected;
    for (const QString &word : words) {
        const bool held = lines.contains(word.toLatin1());
        QCOMPARE(t.game.dictionary.WordAllowed(word), held);
        if (held)
            expected.insert(word);
    }
    QCOMPARE(t.game.dictionary.findAll(words), expected);

    QVERIFY(t.game.dictionary.AddToDictionary(QStringLiteral("NEWWORD")));
    const QByteArray after = FileBytes::read(t.dictionaryPath());
    QVERIFY2(after.startsWith(bytes), "the append changed what the file held");
    QVERIFY(after.mid(bytes.size()) == appended(bytes, {QStringLiteral("NEWWORD")}));
    expected.insert(QStringLiteral("NEWWORD"));
    QCOMPARE(t.game.dictionary.findAll(QStringList(words) << QStringLiteral("NEWWORD")), expected);
    QVERIFY(t.dialogs.shown.isEmpty());
}

void tst_Robustness::highScores()
{
    QFETCH(QByteArray, bytes);
    TestGame t;
    const QString path = t.highScorePath();

    QVERIFY(FileBytes::write(path, bytes));
    t.game.highScores.showTable();
    QCOMPARE(FileBytes::read(path), bytes);
    QCOMPARE(t.dialogs.shown.size(), 1);
    const QString text = t.dialogs.shown.first().text;
    QCOMPARE(t.dialogs.shown.first().title, QStringLiteral("Zentile - High Scores"));
    QVERIFY(text.startsWith(QStringLiteral("Rank     Score       Name\r\n\r\n")));
    // Each place shows the rank and score the file holds, in file order.
    const QByteArray table = tablePart(bytes);
    qsizetype at = 0;
    for (int n = 0; n < 10; ++n) {
        const auto padded = [](qint16 v, int digits) {
            const QString magnitude = QString::number(std::abs(int(v))).rightJustified(digits, QLatin1Char('0'));
            return v < 0 ? QLatin1Char('-') + magnitude : magnitude;
        };
        const QString line = QStringLiteral("\n") + padded(ScoreBytes::rankAt(table, n), 2) + QLatin1Char('.')
            + QString(8, QLatin1Char(' ')) + padded(ScoreBytes::scoreAt(table, n), 5) + QString(8, QLatin1Char(' '));
        at = text.indexOf(line, at);
        QVERIFY2(at >= 0, qPrintable(QStringLiteral("place %1 is not shown as%2").arg(n + 1).arg(line)));
        ++at;
    }

    for (const qint64 score : {qint64(1), qint64(550), qint64(20000), qint64(40000)}) {
        QVERIFY(FileBytes::write(path, bytes));
        t.dialogs.shown.clear();
        t.dialogs.textAnswers = {QStringLiteral("Robust")};
        t.model.setScore(score);
        t.game.highScores.CheckHighScore();
        verifyEntered(bytes, FileBytes::read(path), score, QStringLiteral("Robust"));
        if (QTest::currentTestFailed())
            return;
        for (const ScriptedDialogs::Shown &box : std::as_const(t.dialogs.shown))
            QCOMPARE(box.title, QStringLiteral("High Score"));
    }

    QVERIFY(FileBytes::write(path, bytes));
    t.dialogs.confirmAnswers = {false};
    t.game.highScores.confirmReset();
    QCOMPARE(FileBytes::read(path), bytes);
    t.dialogs.confirmAnswers = {true};
    t.game.highScores.confirmReset();
    const QByteArray reset = FileBytes::read(path);
    QVERIFY(reset.left(240) == ScoreBytes::emptyTable());
    QVERIFY2(reset.mid(240) == bytes.mid(240), "the reset lost the bytes past the table");
}

// A whole game ending on a damaged pair of files: both only gain what the game adds.
void tst_Robustness::gameEnd()
{
    QFETCH(QByteArray, bytes);
    TestGame t;
    QVERIFY(FileBytes::write(t.dictionaryPath(), bytes));
    QVERIFY(FileBytes::write(t.highScorePath(), bytes));
    t.setBoard(QStringLiteral("ZEN") + QString(17, QLatin1Char('A')) + QStringLiteral("QUIZ") + QString(380, QLatin1Char('E')));
    t.start();
    t.click({0, 1, 2});
    t.game.submission.submitWord();
    t.click({20, 21, 22, 23});
    t.game.submission.submitWord();
    QCOMPARE(t.model.playedWords(), QStringList({QStringLiteral("ZEN"), QStringLiteral("QUIZ")}));
    const qint64 score = t.model.score();
    t.dialogs.textAnswers = {QStringLiteral("Robust")};
    t.dialogs.confirmByDefault = true;
    t.game.finishGame();
    QCOMPARE(t.tickToEnd(5), 1);

    const QSet<QByteArray> lines = linesOf(bytes);
    QStringList added;
    for (const QString &word : {QStringLiteral("ZEN"), QStringLiteral("QUIZ")}) {
        if (!lines.contains(word.toLatin1()))
            added << word;
    }
    const QByteArray dictionary = FileBytes::read(t.dictionaryPath());
    QVERIFY2(dictionary.startsWith(bytes), "the game end changed what the dictionary held");
    QVERIFY(dictionary.mid(bytes.size()) == (added.isEmpty() ? QByteArray() : appended(bytes, added)));
    verifyEntered(bytes, FileBytes::read(t.highScorePath()), score, QStringLiteral("Robust"));
    QCOMPARE(t.model.phase(), GameModel::Phase::Waiting);
}

QTEST_GUILESS_MAIN(tst_Robustness)
#include "tst_robustness.moc"
