// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/HighScoreFile.h"
#include "support/FileBytes.h"
#include "support/TestGame.h"

#include <QFile>
#include <QTest>
#include <QTimer>

using Kind = ScriptedDialogs::Kind;

namespace {

// Lays `word` out along `row` from its first column and clicks its tiles; rows two apart never touch.
void pickWord(TestGame &g, int row, const QString &word)
{
    for (int i = 0; i < word.size(); ++i) {
        QString letters = g.model.letters();
        letters[row * Board::Side + i] = word.at(i);
        g.model.dealLetters(letters);
        g.game.selection.pickTile(row * Board::Side + i);
    }
}

void playWord(TestGame &g, int row, const QString &word)
{
    pickWord(g, row, word);
    g.game.submission.submitWord();
}

QStringList dictionaryWords(const TestGame &g)
{
    return QString::fromLatin1(FileBytes::read(g.dictionaryPath())).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

HighScoreRecord topScore(const TestGame &g)
{
    QString error;
    const auto table = HighScoreFile(g.dir.path()).read(&error);
    return table ? table->front() : HighScoreRecord();
}

// The waiting state a game end or "New" leaves, the clock aside.
void verifyWaiting(const TestGame &g)
{
    QVERIFY(!g.model.ticking());
    QCOMPARE(g.model.phase(), GameModel::Phase::Waiting);
    QVERIFY(g.model.playedWords().isEmpty());
    QVERIFY(g.model.wordTiles().isEmpty());
    QCOMPARE(g.model.score(), 0);
    QCOMPARE(g.model.word(), QString());
    QCOMPARE(g.model.wordScore(), 0);
    QCOMPARE(g.model.timeBonus(), 0);
}

} // namespace

class TestGameClock : public QObject
{
    Q_OBJECT

private slots:
    void countdown_data();
    void countdown();
    void finish_data();
    void finish();
    void newAbandonsGame();
    void gameEnd_data();
    void gameEnd();
    void endDuringMenuBox_data();
    void endDuringMenuBox();
};

void TestGameClock::countdown_data()
{
    QTest::addColumn<QString>("clock");
    QTest::addColumn<bool>("asLimit");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("endTick");

    QStringList halfMinute;
    for (int s = 29; s >= 0; --s)
        halfMinute << QStringLiteral("00:%1").arg(s, 2, 10, QLatin1Char('0'));

    // asLimit: typed as the game's length; otherwise written into a running clock, as a word bonus does.
    QTest::newRow("00:30") << "00:30" << true << halfMinute << 31;
    QTest::newRow("01:00") << "01:00" << true << QStringList{"00:59", "00:58"} << 61;
    QTest::newRow("01:01") << "01:01" << true << QStringList{"01:00", "00:59"} << 62;
    QTest::newRow("10:00") << "10:00" << true << QStringList{"09:59"} << 601;
    QTest::newRow("00:60") << "00:60" << false << QStringList{"00:59", "00:58"} << 61;
    QTest::newRow("00:90") << "00:90" << true << QStringList{"00:89", "00:88"} << 91;
    QTest::newRow("100:00") << "100:00" << false << QStringList{"99:59", "99:58"} << 6001;
}

void TestGameClock::countdown()
{
    QFETCH(QString, clock);
    QFETCH(bool, asLimit);
    QFETCH(QStringList, after);
    QFETCH(int, endTick);

    TestGame g;
    if (asLimit) {
        g.dialogs.textAnswers = {clock};
        g.game.timeLimits.chooseCustomLimit();
        QCOMPARE(g.model.timeLimit().text(), clock);
    }
    g.start();
    // A typed limit is what Start Game puts on the clock; any other text is written in by hand.
    if (asLimit)
        QCOMPARE(g.clock(), clock);
    else
        g.setClock(clock);

    int ticks = 0;
    for (const QString &expected : after) {
        g.game.tick();
        ++ticks;
        QCOMPARE(g.clock(), expected);
        QVERIFY(g.model.ticking());
    }
    while (g.model.ticking() && g.clock() != QLatin1String("00:00") && ticks < endTick) {
        g.game.tick();
        ++ticks;
    }
    // Zero is shown for one whole tick; the tick that reads it ends the game.
    QVERIFY(g.model.ticking());
    QCOMPARE(ticks, endTick - 1);
    g.game.tick();
    QVERIFY(!g.model.ticking());
    QCOMPARE(g.model.phase(), GameModel::Phase::Waiting);
    QCOMPARE(g.clock(), QStringLiteral("00:00"));
}

void TestGameClock::finish_data()
{
    QTest::addColumn<bool>("playing");

    QTest::newRow("while playing") << true;
    QTest::newRow("while waiting") << false;
}

void TestGameClock::finish()
{
    QFETCH(bool, playing);

    TestGame g;
    g.dialogs.textAnswers = {QStringLiteral("Fin")};
    if (playing) {
        g.start();
        playWord(g, 0, QStringLiteral("CAT"));
        for (int i = 0; i < 3; ++i)
            g.game.tick();
    }
    const QString board = g.model.letters();

    g.game.finishGame();
    QCOMPARE(g.clock(), QStringLiteral("00:00"));
    QVERIFY(g.model.ticking());
    QCOMPARE(g.model.phase() == GameModel::Phase::Running, playing);
    QVERIFY(g.dialogs.shown.isEmpty());
    QVERIFY(!QFile::exists(g.highScorePath()));

    // The game's own timer ends it, no window needed.
    auto *timer = g.game.findChild<QTimer *>(QStringLiteral("tmrPlay"));
    QVERIFY(timer && timer->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 5000);
    verifyWaiting(g);
    QCOMPARE(g.clock(), QStringLiteral("00:00"));
    QVERIFY(g.model.letters() != board);
    // The high-score check ran either way: it opened the file.
    QVERIFY(QFile::exists(g.highScorePath()));
    if (playing) {
        QCOMPARE(g.dialogs.shown.size(), 2);
        QCOMPARE(g.dialogs.shown[0].title, QStringLiteral("High Score"));
        QCOMPARE(g.dialogs.shown[1].title, QStringLiteral("Add Word"));
        QCOMPARE(topScore(g).Score, TestGame::pointsOf(QStringLiteral("CAT")));
    } else {
        QVERIFY(g.dialogs.shown.isEmpty());
        QCOMPARE(QFileInfo(g.highScorePath()).size(), 0);
    }
}

void TestGameClock::newAbandonsGame()
{
    TestGame g;
    g.start();
    playWord(g, 0, QStringLiteral("CAT"));
    pickWord(g, 2, QStringLiteral("JA"));
    g.game.tick();
    QCOMPARE(g.model.score(), TestGame::pointsOf(QStringLiteral("CAT")));
    QCOMPARE(g.model.word(), QStringLiteral("JA"));
    QCOMPARE(g.model.wordScore(), TestGame::pointsOf(QStringLiteral("JA")));
    QCOMPARE(g.model.timeBonus(), 8);
    QCOMPARE(g.model.wordTiles().size(), 2);
    const QString board = g.model.letters();

    g.game.newBoard();
    verifyWaiting(g);
    QCOMPARE(g.clock(), QStringLiteral("02:00"));
    QVERIFY(g.model.letters() != board);
    // Unscored: no box, and neither file touched.
    QVERIFY(g.dialogs.shown.isEmpty());
    QVERIFY(!QFile::exists(g.highScorePath()));
    QVERIFY(!QFile::exists(g.dictionaryPath()));
    QCOMPARE(g.tickToEnd(), 0);

    // Nothing of the abandoned game counts in the next one.
    g.start();
    playWord(g, 4, QStringLiteral("DOG"));
    QCOMPARE(g.model.score(), TestGame::pointsOf(QStringLiteral("DOG")));
    QCOMPARE(g.clock(), QStringLiteral("02:00"));
}

void TestGameClock::gameEnd_data()
{
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QStringList>("dictionaryAfter");

    QTest::newRow("two of four new") << QStringList{"DOG", "JAR"} << QStringList{"CAT", "EMU", "DOG"};
    QTest::newRow("none new") << QStringList() << QStringList{"CAT", "EMU", "DOG", "JAR"};
}

void TestGameClock::gameEnd()
{
    QFETCH(QStringList, asked);
    QFETCH(QStringList, dictionaryAfter);

    TestGame g;
    QVERIFY(FileBytes::write(g.dictionaryPath(), asked.isEmpty() ? "CAT\r\nEMU\r\nDOG\r\nJAR\r\n" : "CAT\r\nEMU\r\n"));
    g.dialogs.textAnswers = {QStringLiteral("Ann")};
    g.dialogs.confirmAnswers = {true, false};

    struct Seen { Kind kind; QString title; QString text; bool timer; int words; QString selected; qint64 score; qint16 stored; };
    QList<Seen> seen;
    g.dialogs.whileShowing = [&](const ScriptedDialogs::Shown &box) {
        const int selected = g.model.highlightedWord();
        seen.append({box.kind, box.title, box.text, g.model.ticking(), int(g.model.playedWords().size()),
                     g.model.playedWords().value(selected), g.model.score(), topScore(g).Score});
    };

    g.start();
    const QStringList played{"CAT", "DOG", "EMU", "JAR"};
    for (int i = 0; i < played.size(); ++i)
        playWord(g, 2 * i, played.at(i));
    pickWord(g, 10, QStringLiteral("ON"));
    const QString board = g.model.letters();

    // Two minutes, eight seconds for the J, and the tick that reads zero.
    QCOMPARE(g.tickToEnd(), 129);

    QCOMPARE(seen.size(), 1 + asked.size());
    // The timer is off before the first box, and the name comes before any question.
    QCOMPARE(seen[0].kind, Kind::AskText);
    QCOMPARE(seen[0].title, QStringLiteral("High Score"));
    QVERIFY(!seen[0].timer);
    const int total = TestGame::pointsOf(played.join(QString()));
    QCOMPARE(seen[0].score, total);
    QCOMPARE(seen[0].words, 4);
    for (int i = 0; i < asked.size(); ++i) {
        const Seen &box = seen[1 + i];
        QCOMPARE(box.kind, Kind::Confirm);
        QCOMPARE(box.title, QStringLiteral("Add Word"));
        QCOMPARE(box.text, QStringLiteral("Would you like to add the word '") + asked[i]
                               + QStringLiteral("' to your dictionary?"));
        QCOMPARE(box.selected, asked[i]);
        QVERIFY(!box.timer);
        QCOMPARE(box.words, 4);
        QCOMPARE(box.stored, total);
    }
    QCOMPARE(dictionaryWords(g), dictionaryAfter);
    QCOMPARE(topScore(g).Score, total);
    QCOMPARE(topScore(g).displayName(), QStringLiteral("Ann"));

    verifyWaiting(g);
    QCOMPARE(g.clock(), QStringLiteral("00:00"));
    QCOMPARE(g.model.timeLimit().text(), QStringLiteral("02:00"));
    QVERIFY(g.model.letters() != board);

    // The next game starts from nothing.
    g.start();
    QCOMPARE(g.clock(), QStringLiteral("02:00"));
    playWord(g, 0, QStringLiteral("DOG"));
    QCOMPARE(g.model.score(), TestGame::pointsOf(QStringLiteral("DOG")));
}

void TestGameClock::endDuringMenuBox_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("limit");
    QTest::addColumn<bool>("emptied");

    QTest::newRow("High Scores") << 0 << "Zentile - High Scores" << "02:00" << false;
    QTest::newRow("Time Limit") << 1 << "Time Limit" << "00:45" << false;
    QTest::newRow("Reset High Scores") << 2 << "Reset High Scores" << "02:00" << true;
}

void TestGameClock::endDuringMenuBox()
{
    QFETCH(int, menu);
    QFETCH(QString, title);
    QFETCH(QString, limit);
    QFETCH(bool, emptied);

    TestGame g;
    g.start();
    playWord(g, 0, QStringLiteral("CAT"));
    pickWord(g, 2, QStringLiteral("DO"));

    // The game's own boxes close before the menu's box that they open over, so they take the first answers.
    g.dialogs.textAnswers = {QStringLiteral("Ann"), QStringLiteral("00:45")};
    g.dialogs.confirmAnswers = {false, true};
    int ticks = 0;
    bool ended = false;
    g.dialogs.whileShowing = [&](const ScriptedDialogs::Shown &box) {
        if (box.title == title && !ended) {
            ended = true;
            ticks = g.tickToEnd();
        }
    };
    switch (menu) {
    case 0:
        g.game.highScores.showTable();
        break;
    case 1:
        g.game.timeLimits.chooseCustomLimit();
        break;
    default:
        g.game.highScores.confirmReset();
        break;
    }

    QVERIFY(ended);
    QCOMPARE(ticks, 121);
    QStringList titles;
    for (const ScriptedDialogs::Shown &box : g.dialogs.shown)
        titles << box.title;
    QCOMPARE(titles, (QStringList{title, "High Score", "Add Word"}));

    verifyWaiting(g);
    QCOMPARE(g.model.timeLimit().text(), limit);
    // A typed limit lands after the game has ended, so the waiting clock shows it.
    QCOMPARE(g.clock(), menu == 1 ? limit : QStringLiteral("00:00"));
    QVERIFY(!QFile::exists(g.dictionaryPath()));
    QString error;
    const auto table = HighScoreFile(g.dir.path()).read(&error);
    QVERIFY2(table, qPrintable(error));
    if (emptied) {
        QVERIFY(*table == HighScoreFile::emptyTable());
    } else {
        QCOMPARE(table->front().Score, TestGame::pointsOf(QStringLiteral("CAT")));
        QCOMPARE(table->front().displayName(), QStringLiteral("Ann"));
    }

    // And the window plays on.
    g.start();
    QCOMPARE(g.clock(), limit);
    QCOMPARE(g.tickToEnd(), menu == 1 ? 46 : 121);
}

QTEST_GUILESS_MAIN(TestGameClock)
#include "tst_gameclock.moc"
