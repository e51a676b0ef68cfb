// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestGame.h"

#include <QTest>

namespace {

// Row 0 reads A to T, row 1 U to Z then A to N, and so on.
QString alphabetBoard()
{
    QString letters;
    for (int i = 0; i < Board::TileCount; ++i)
        letters += QChar(u'A' + i % 26);
    return letters;
}

} // namespace

class TestWordPlay : public QObject
{
    Q_OBJECT

private slots:
    void adjacency_data();
    void adjacency();
    void wordFollowsTheClicks_data();
    void wordFollowsTheClicks();
    void clicksRefusedWhileWaiting();
    void wordAcceptedAgainInNextGame();
    void bonusLengthensClock_data();
    void bonusLengthensClock();
    void enterOutsideGameOnlyClears();
    void eventsOfAGame();
};

void TestWordPlay::adjacency_data()
{
    QTest::addColumn<int>("from"); // -1: the first click after start-up
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("adjacent");

    // Each tile's neighbours, and the tiles apart from it, wrapped rows included.
    const struct { const char *name; int from; QList<int> near, apart; } rows[] = {
        {"interior 45", 45, {24, 25, 26, 44, 46, 64, 65, 66}, {47, 5, 85, 43, 23, 67}},
        {"corner 0", 0, {1, 20, 21}, {19}},
        {"corner 19", 19, {18, 38, 39}, {20, 0, 40}},
        {"corner 380", 380, {360, 361, 381}, {379, 399, 359}},
        {"corner 399", 399, {398, 378, 379}, {380}},
        {"left edge 40", 40, {20, 21, 41, 60, 61}, {39, 59, 19}},
        {"right edge 59", 59, {38, 39, 58, 78, 79}, {60, 40, 80}},
        {"start-up", -1, {1, 20, 21}, {19, 40}},
    };
    for (const auto &[name, from, near, apart] : rows) {
        for (const int to : near)
            QTest::addRow("%s to %d", name, to) << from << to << true;
        for (const int to : apart)
            QTest::addRow("%s to %d, apart", name, to) << from << to << false;
    }
    QTest::newRow("same tile") << 45 << 45 << false;
}

void TestWordPlay::adjacency()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, adjacent);

    TestGame t;
    t.setBoard(alphabetBoard());
    t.start();
    // After start-up the first click starts a word, whether it touches tile 0 or not.
    const int last = qMax(from, 0);
    QCOMPARE(Board::touch(last, to), adjacent);
    QCOMPARE(Board::touch(to, last), adjacent);
    if (from >= 0)
        t.click({from});
    t.click({to});
    const bool joined = from >= 0 && adjacent;
    QCOMPARE(t.model.wordTiles(), (joined ? QList<int>{from, to} : QList<int>{to}));
    QCOMPARE(t.model.word(), (joined ? QString(t.model.letter(from)) : QString()) + t.model.letter(to));
}

void TestWordPlay::wordFollowsTheClicks_data()
{
    // Tile numbers are clicks; C is Clear, E is Enter.
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("clock");
    QTest::addColumn<int>("selected");

    QTest::newRow("three in a row") << "0 1 2" << "ABC" << QStringList() << "02:00" << -1;
    QTest::newRow("submitted") << "0 1 2 E" << "" << QStringList{"ABC"} << "02:00" << -1;
    QTest::newRow("bonus letter") << "16 17 37 E" << "" << QStringList{"QRL"} << "02:10" << -1;
    QTest::newRow("winding word") << "0 1 2 22 42 41 40 20" << "ABCWQPOU" << QStringList() << "02:00" << -1;
    QTest::newRow("restart apart") << "0 1 2 5" << "F" << QStringList() << "02:00" << -1;
    QTest::newRow("restart at wrap") << "18 19 20" << "U" << QStringList() << "02:00" << -1;
    QTest::newRow("marked tiles ignored") << "0 1 0 1 2 1" << "ABC" << QStringList() << "02:00" << -1;
    QTest::newRow("clear then go on") << "0 1 C 21 22" << "VW" << QStringList() << "02:00" << -1;
    QTest::newRow("clear keeps list") << "0 1 2 E 3 4 C" << "" << QStringList{"ABC"} << "02:00" << -1;
    QTest::newRow("one letter refused") << "0 E" << "" << QStringList() << "02:00" << -1;
    QTest::newRow("two letters refused") << "0 1 E" << "" << QStringList() << "02:00" << -1;
    QTest::newRow("empty refused") << "E" << "" << QStringList() << "02:00" << -1;
    QTest::newRow("two words") << "0 1 2 E 1 2 3 E" << "" << QStringList{"ABC", "BCD"} << "02:00" << 0;
    QTest::newRow("reversed is another word") << "0 1 2 E 2 1 0 E" << "" << QStringList{"ABC", "CBA"} << "02:00" << 0;
    QTest::newRow("repeat refused, earlier entry selected")
        << "0 1 2 E 1 2 3 E 2 3 4 E 1 2 3 E" << "" << QStringList{"ABC", "BCD", "CDE"} << "02:00" << 1;
    QTest::newRow("repeat with bonus refused") << "16 17 37 E 37 17 16 E 16 17 37 E" << "" << QStringList{"QRL", "LRQ"} << "02:20" << 0;
}

void TestWordPlay::wordFollowsTheClicks()
{
    QFETCH(QString, actions);
    QFETCH(QString, word);
    QFETCH(QStringList, listed);
    QFETCH(QString, clock);
    QFETCH(int, selected);

    TestGame t;
    t.setBoard(alphabetBoard());
    t.start();
    QList<int> picked; // the word's tiles in click order
    for (const QString &action : actions.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (action == QLatin1String("C") || action == QLatin1String("E")) {
            action == QLatin1String("C") ? t.game.selection.clearWord() : t.game.submission.submitWord();
            picked.clear();
        } else {
            const int tile = action.toInt();
            if (!picked.contains(tile))
                picked = !picked.isEmpty() && Board::touch(picked.last(), tile) ? picked << tile : QList<int>{tile};
            t.click({tile});
        }

        QString letters;
        for (const int tile : std::as_const(picked))
            letters += t.model.letter(tile);
        QCOMPARE(t.model.wordTiles(), picked);
        QCOMPARE(t.model.word(), letters);
        QCOMPARE(t.model.wordScore(), TestGame::valueOf(letters).points);
        QCOMPARE(t.model.timeBonus(), TestGame::valueOf(letters).bonusSeconds);
    }
    QCOMPARE(t.model.word(), word);
    QCOMPARE(t.model.playedWords(), listed);
    QCOMPARE(t.model.score(), TestGame::pointsOf(listed.join(QString())));
    QCOMPARE(t.clock(), clock);
    QCOMPARE(t.model.highlightedWord(), selected);
    QVERIFY(t.model.ticking());
}

void TestWordPlay::clicksRefusedWhileWaiting()
{
    TestGame t;
    t.setBoard(alphabetBoard());
    t.click({1, 2, 3});
    QVERIFY(t.model.wordTiles().isEmpty());
    QCOMPARE(t.model.word(), QString());
    QCOMPARE(t.model.wordScore(), 0);

    // After New the panel is back and a click is refused again; the last tile is kept.
    t.start();
    t.click({45});
    t.game.newBoard();
    QCOMPARE(t.model.phase(), GameModel::Phase::Waiting);
    t.click({46});
    QVERIFY(t.model.wordTiles().isEmpty());
    t.start();
    t.click({46, 47});
    QCOMPARE(t.model.wordTiles(), (QList<int>{46, 47}));
}

void TestWordPlay::wordAcceptedAgainInNextGame()
{
    TestGame t;
    for (int game = 0; game < 2; ++game) {
        t.setBoard(alphabetBoard());
        t.start();
        t.click({0, 1, 2});
        t.game.submission.submitWord();
        QCOMPARE(t.model.playedWords(), QStringList{QStringLiteral("ABC")});
        QCOMPARE(t.model.score(), TestGame::pointsOf(QStringLiteral("ABC")));
        t.game.finishGame();
        t.tickToEnd();
        QCOMPARE(t.model.phase(), GameModel::Phase::Waiting);
        QVERIFY(t.model.playedWords().isEmpty());
    }
}

void TestWordPlay::bonusLengthensClock_data()
{
    QTest::addColumn<QString>("clock"); // empty: as Start Game left it; "finish": after Finish Game
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("after");

    QTest::newRow("01:45 + 20") << "01:45" << "QUIZ" << "02:05";
    QTest::newRow("00:52 + 8") << "00:52" << "JAB" << "01:00";
    QTest::newRow("00:53 + 8") << "00:53" << "XAA" << "01:01";
    QTest::newRow("00:59 + 68") << "00:59" << "QZQZQZJ" << "02:07";
    QTest::newRow("00:00 + 10 after finish") << "finish" << "QAA" << "00:10";
    QTest::newRow("first second of a game") << "" << "JAA" << "02:08";
    QTest::newRow("no bonus rewrites") << "03:07" << "CAT" << "03:07";
    QTest::newRow("no bonus carries a typed 00:90") << "00:90" << "CAT" << "01:30";
    QTest::newRow("three-digit minutes") << "120:30" << "ZZZZZZ" << "121:30";
}

void TestWordPlay::bonusLengthensClock()
{
    QFETCH(QString, clock);
    QFETCH(QString, word);
    QFETCH(QString, after);

    TestGame t;
    t.setBoard(word);
    t.start();
    if (!clock.isEmpty()) {
        // A tick leaves 01:59 behind, which the bonus must not start from.
        t.game.tick();
        if (clock == QLatin1String("finish"))
            t.game.finishGame();
        else
            t.setClock(clock);
    }
    for (int i = 0; i < word.size(); ++i)
        t.click({i});
    QCOMPARE(t.model.word(), word);
    t.game.submission.submitWord();
    QCOMPARE(t.model.playedWords(), QStringList{word});
    QCOMPARE(t.clock(), after);
}

void TestWordPlay::enterOutsideGameOnlyClears()
{
    TestGame t;
    t.game.timeLimits.setTimeLimit(0);
    t.model.appendToWord(7, QLatin1Char('C'));
    t.model.setWordScore(5);
    t.model.setTimeBonus(8);

    t.game.submission.submitWord();
    QVERIFY(t.model.wordTiles().isEmpty());
    QCOMPARE(t.model.word(), QString());
    QCOMPARE(t.model.wordScore(), 0);
    QCOMPARE(t.model.timeBonus(), 0);
    QCOMPARE(t.model.score(), 0);
    QCOMPARE(t.clock(), QStringLiteral("00:30"));
    QVERIFY(t.model.playedWords().isEmpty());
    QCOMPARE(t.model.phase(), GameModel::Phase::Waiting);
    QVERIFY(!t.model.ticking());
}

void TestWordPlay::eventsOfAGame()
{
    TestGame t;
    t.setBoard(alphabetBoard());
    QStringList log;
    const auto note = [&](auto signal, auto text) { QObject::connect(&t.model, signal, [&log, text](auto... args) { log << text(args...); }); };
    note(&GameModel::boardDealt, [] { return QStringLiteral("dealt"); });
    note(&GameModel::tilePicked, [](int tile) { return QStringLiteral("picked %1").arg(tile); });
    note(&GameModel::wordAccepted, [](const QString &word, qint64 points, qint64 total) {
        return QStringLiteral("accepted %1 %2 %3").arg(word).arg(points).arg(total);
    });
    note(&GameModel::wordRefused, [](const QString &word, GameModel::Refusal reason) {
        return QStringLiteral("refused \"%1\" ").arg(word) + (reason == GameModel::Refusal::TooShort ? "short" : "played");
    });
    note(&GameModel::wordCleared, [] { return QStringLiteral("cleared"); });
    note(&GameModel::gameEnded, [&t](qint64 score) { return QStringLiteral("ended %1 %2").arg(score).arg(t.dialogs.shown.size()); });
    note(&GameModel::gameAbandoned, [] { return QStringLiteral("abandoned"); });

    const int abc = TestGame::pointsOf(QStringLiteral("ABC"));
    const int bcd = TestGame::pointsOf(QStringLiteral("BCD"));
    t.start();
    t.click({0, 1, 2});
    t.game.submission.submitWord();
    t.click({0, 1});
    t.game.submission.submitWord();
    t.click({0, 1, 2});
    t.game.submission.submitWord();
    t.game.submission.submitWord();
    t.click({5});
    t.game.selection.clearWord();
    t.game.selection.clearWord();
    t.game.newBoard();
    t.game.newBoard();
    t.start();
    t.setBoard(alphabetBoard());
    t.click({1, 2, 3});
    t.game.submission.submitWord();
    t.dialogs.textAnswers = {QStringLiteral("Ann")};
    t.game.finishGame();
    t.tickToEnd();
    QCOMPARE(log, (QStringList{"picked 0", "picked 1", "picked 2", QStringLiteral("accepted ABC %1 %1").arg(abc),
                               "picked 0", "picked 1", "refused \"AB\" short", "picked 0", "picked 1", "picked 2",
                               "refused \"ABC\" played", "refused \"\" short", "picked 5", "cleared", "abandoned",
                               "dealt", "dealt", "dealt", "picked 1", "picked 2", "picked 3",
                               QStringLiteral("accepted BCD %1 %1").arg(bcd), QStringLiteral("ended %1 0").arg(bcd),
                               "dealt"}));
}

QTEST_GUILESS_MAIN(TestWordPlay)
#include "tst_wordplay.moc"
