// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/TileSelection.h"
#include "support/TestGame.h"

#include <QTest>

namespace {

// Points and bonus seconds of A to Z, as the player is told them.
constexpr int Points[26] = {1, 3, 3, 2, 1, 4, 2, 4, 1, 8, 5, 1, 3, 1, 1, 3, 10, 1, 1, 1, 1, 4, 4, 8, 4, 10};

int bonusOf(QChar letter)
{
    switch (letter.unicode()) {
    case 'J':
    case 'X':
        return 8;
    case 'Q':
    case 'Z':
        return 10;
    default:
        return 0;
    }
}

// Row 0 reads A to T, row 1 U to Z then A to N, and so on.
QString alphabetBoard()
{
    QString letters;
    for (int i = 0; i < TileCount; ++i)
        letters += QChar(u'A' + i % 26);
    return letters;
}

// `word` along the top row, A everywhere else.
QString boardStartingWith(const QString &word)
{
    return word + QString(TileCount - word.size(), QLatin1Char('A'));
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
    void doubleClickOutsideGameOnlyClears();
};

void TestWordPlay::adjacency_data()
{
    QTest::addColumn<int>("from"); // -1: the first click after start-up
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("adjacent");

    for (const int to : {24, 25, 26, 44, 46, 64, 65, 66})
        QTest::addRow("interior 45-%d", to) << 45 << to << true;
    for (const int to : {47, 5, 85, 43, 23, 67})
        QTest::addRow("interior 45-%d apart", to) << 45 << to << false;

    QTest::newRow("corner 0-1") << 0 << 1 << true;
    QTest::newRow("corner 0-20") << 0 << 20 << true;
    QTest::newRow("corner 0-21") << 0 << 21 << true;
    QTest::newRow("corner 0-19 wraps") << 0 << 19 << false;
    QTest::newRow("corner 19-18") << 19 << 18 << true;
    QTest::newRow("corner 19-38") << 19 << 38 << true;
    QTest::newRow("corner 19-39") << 19 << 39 << true;
    QTest::newRow("corner 19-20 wraps") << 19 << 20 << false;
    QTest::newRow("corner 19-0 wraps") << 19 << 0 << false;
    QTest::newRow("corner 19-40 wraps") << 19 << 40 << false;
    QTest::newRow("corner 380-360") << 380 << 360 << true;
    QTest::newRow("corner 380-361") << 380 << 361 << true;
    QTest::newRow("corner 380-381") << 380 << 381 << true;
    QTest::newRow("corner 380-379 wraps") << 380 << 379 << false;
    QTest::newRow("corner 380-399 wraps") << 380 << 399 << false;
    QTest::newRow("corner 380-359 wraps") << 380 << 359 << false;
    QTest::newRow("corner 399-398") << 399 << 398 << true;
    QTest::newRow("corner 399-378") << 399 << 378 << true;
    QTest::newRow("corner 399-379") << 399 << 379 << true;
    QTest::newRow("corner 399-380 wraps") << 399 << 380 << false;

    for (const int to : {20, 21, 41, 60, 61})
        QTest::addRow("left edge 40-%d", to) << 40 << to << true;
    for (const int to : {39, 59, 19})
        QTest::addRow("left edge 40-%d wraps", to) << 40 << to << false;
    for (const int to : {38, 39, 58, 78, 79})
        QTest::addRow("right edge 59-%d", to) << 59 << to << true;
    for (const int to : {60, 40, 80})
        QTest::addRow("right edge 59-%d wraps", to) << 59 << to << false;

    QTest::newRow("start-up, tile 1") << -1 << 1 << true;
    QTest::newRow("start-up, tile 20") << -1 << 20 << true;
    QTest::newRow("start-up, tile 21") << -1 << 21 << true;
    QTest::newRow("start-up, tile 19") << -1 << 19 << false;
    QTest::newRow("start-up, tile 40") << -1 << 40 << false;

    QTest::newRow("same tile") << 45 << 45 << false;
}

void TestWordPlay::adjacency()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, adjacent);

    TestGame t;
    t.view.setBoard(alphabetBoard());
    t.start();
    if (from < 0) {
        QCOMPARE(int(t.game.state.LastTile), 0);
        QCOMPARE(TileSelection::adjacent(0, to), adjacent);
        t.click({to});
        // Adjacent or not, the first letter makes a word of its own.
        QCOMPARE(t.view.caption(ValueLabel::Word), t.view.tileCaption(to));
        QCOMPARE(int(t.game.state.LastTile), to);
        return;
    }

    QCOMPARE(TileSelection::adjacent(from, to), adjacent);
    QCOMPARE(TileSelection::adjacent(to, from), adjacent);
    t.click({from, to});
    if (from == to) {
        QCOMPARE(t.view.caption(ValueLabel::Word), t.view.tileCaption(from));
        QCOMPARE(t.view.markedCount(), 1);
    } else if (adjacent) {
        QCOMPARE(t.view.caption(ValueLabel::Word), t.view.tileCaption(from) + t.view.tileCaption(to));
        QVERIFY(t.view.tileMarked(from) && t.view.tileMarked(to));
        QCOMPARE(t.view.markedCount(), 2);
    } else {
        QCOMPARE(t.view.caption(ValueLabel::Word), t.view.tileCaption(to));
        QVERIFY(t.view.tileMarked(to));
        QCOMPARE(t.view.markedCount(), 1);
    }
    QCOMPARE(int(t.game.state.LastTile), to);
}

void TestWordPlay::wordFollowsTheClicks_data()
{
    // Tile numbers are clicks; C is Clear, E is Enter, D a double click on the last tile clicked.
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("clock");
    QTest::addColumn<int>("selected");

    QTest::newRow("three in a row") << "0 1 2" << "ABC" << QStringList() << "0" << "02:00" << -1;
    QTest::newRow("submitted") << "0 1 2 E" << "" << QStringList{"ABC"} << "7" << "02:00" << -1;
    QTest::newRow("double click submits") << "0 1 2 D" << "" << QStringList{"ABC"} << "7" << "02:00" << -1;
    QTest::newRow("bonus letter") << "16 17 37 E" << "" << QStringList{"QRL"} << "12" << "02:10" << -1;
    QTest::newRow("winding word") << "0 1 2 22 42 41 40 20" << "ABCWQPOU" << QStringList() << "0" << "02:00" << -1;
    QTest::newRow("restart apart") << "0 1 2 5" << "F" << QStringList() << "0" << "02:00" << -1;
    QTest::newRow("restart at wrap") << "18 19 20" << "U" << QStringList() << "0" << "02:00" << -1;
    QTest::newRow("marked tiles ignored") << "0 1 0 1 2 1" << "ABC" << QStringList() << "0" << "02:00" << -1;
    QTest::newRow("clear then go on") << "0 1 C 21 22" << "VW" << QStringList() << "0" << "02:00" << -1;
    QTest::newRow("clear keeps list") << "0 1 2 E 3 4 C" << "" << QStringList{"ABC"} << "7" << "02:00" << -1;
    QTest::newRow("one letter refused") << "0 E" << "" << QStringList() << "0" << "02:00" << -1;
    QTest::newRow("two letters refused") << "0 1 E" << "" << QStringList() << "0" << "02:00" << -1;
    QTest::newRow("empty refused") << "E" << "" << QStringList() << "0" << "02:00" << -1;
    QTest::newRow("two words") << "0 1 2 E 1 2 3 E" << "" << QStringList{"ABC", "BCD"} << "15" << "02:00" << 0;
    QTest::newRow("reversed is another word") << "0 1 2 E 2 1 0 E" << "" << QStringList{"ABC", "CBA"} << "14"
                                              << "02:00" << 0;
    QTest::newRow("repeat refused, earlier entry selected")
        << "0 1 2 E 1 2 3 E 2 3 4 E 1 2 3 E" << "" << QStringList{"ABC", "BCD", "CDE"} << "21" << "02:00" << 1;
    QTest::newRow("repeat with bonus refused") << "16 17 37 E 37 17 16 E 16 17 37 D" << "" << QStringList{"QRL", "LRQ"}
                                               << "24" << "02:20" << 0;
}

void TestWordPlay::wordFollowsTheClicks()
{
    QFETCH(QString, actions);
    QFETCH(QString, word);
    QFETCH(QStringList, listed);
    QFETCH(QString, total);
    QFETCH(QString, clock);
    QFETCH(int, selected);

    TestGame t;
    t.view.setBoard(alphabetBoard());
    t.start();
    QList<int> picked; // the word's tiles in click order, as the marks show them
    int last = -1;
    for (const QString &action : actions.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (action == QLatin1String("C")) {
            t.game.selection.cmdClear_Click();
            picked.clear();
        } else if (action == QLatin1String("E")) {
            t.game.submission.cmdEnter_Click();
            picked.clear();
        } else if (action == QLatin1String("D")) {
            t.game.submission.l_DblClick(last);
            picked.clear();
        } else {
            last = action.toInt();
            const int before = t.view.markedCount();
            t.click({last});
            if (t.view.markedCount() == before + 1)
                picked << last;
            else if (t.view.markedCount() == 1 && t.view.tileMarked(last))
                picked = {last};
        }

        QString letters;
        int points = 0;
        int bonus = 0;
        for (const int tile : std::as_const(picked)) {
            QVERIFY(t.view.tileMarked(tile));
            const QChar letter = t.view.tileCaption(tile).at(0);
            letters += letter;
            points += Points[letter.unicode() - 'A'];
            bonus += bonusOf(letter);
        }
        QCOMPARE(t.view.markedCount(), picked.size());
        QCOMPARE(t.view.caption(ValueLabel::Word), letters);
        QCOMPARE(t.view.caption(ValueLabel::ThisScore), QString::number(points));
        QCOMPARE(t.view.caption(ValueLabel::AddTime), QString::number(bonus));
    }
    QCOMPARE(t.view.caption(ValueLabel::Word), word);
    QCOMPARE(t.view.words, listed);
    QCOMPARE(t.view.caption(ValueLabel::Score), total);
    QCOMPARE(t.view.caption(ValueLabel::Time), clock);
    QCOMPARE(t.view.selectedWord(), selected);
    QVERIFY(t.view.timerEnabled());
}

void TestWordPlay::clicksRefusedWhileWaiting()
{
    TestGame t;
    t.view.setBoard(alphabetBoard());
    t.click({1, 2, 3});
    QCOMPARE(t.view.markedCount(), 0);
    QCOMPARE(t.view.caption(ValueLabel::Word), QString());
    QCOMPARE(t.view.caption(ValueLabel::ThisScore), QStringLiteral("0"));
    QCOMPARE(int(t.game.state.LastTile), 0);

    // After New the panel is back and a click is refused again, LastTile kept.
    t.start();
    t.click({45});
    t.game.clock.mnuNew_Click();
    QVERIFY(t.view.startPanelShown());
    t.click({46});
    QCOMPARE(t.view.markedCount(), 0);
    QCOMPARE(t.view.caption(ValueLabel::Word), QString());
    QCOMPARE(int(t.game.state.LastTile), 45);
}

void TestWordPlay::wordAcceptedAgainInNextGame()
{
    TestGame t;
    t.view.setBoard(alphabetBoard());
    t.start();
    t.click({0, 1, 2});
    t.game.submission.cmdEnter_Click();
    QCOMPARE(t.view.words, QStringList{QStringLiteral("ABC")});
    t.game.clock.cmdFinish_Click();
    t.tickToEnd();
    QVERIFY(t.view.startPanelShown());
    QCOMPARE(t.view.wordCount(), 0);

    t.view.setBoard(alphabetBoard());
    t.start();
    t.click({0, 1, 2});
    t.game.submission.cmdEnter_Click();
    QCOMPARE(t.view.words, QStringList{QStringLiteral("ABC")});
    QCOMPARE(t.view.caption(ValueLabel::Score), QStringLiteral("7"));
}

void TestWordPlay::bonusLengthensClock_data()
{
    QTest::addColumn<QString>("clock"); // empty: as Start Game left it; "finish": after Finish Game
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("seconds");

    QTest::newRow("01:45 + 20") << "01:45" << "QUIZ" << "02:05" << 2 << 5;
    QTest::newRow("00:52 + 8") << "00:52" << "JAB" << "01:00" << 1 << 0;
    QTest::newRow("00:53 + 8") << "00:53" << "XAA" << "01:01" << 1 << 1;
    QTest::newRow("00:59 + 68") << "00:59" << "QZQZQZJ" << "02:07" << 2 << 7;
    QTest::newRow("00:00 + 10 after finish") << "finish" << "QAA" << "00:10" << 0 << 10;
    QTest::newRow("first second of a game") << "" << "JAA" << "02:08" << 2 << 8;
    QTest::newRow("no bonus rewrites") << "03:07" << "CAT" << "03:07" << 3 << 7;
    QTest::newRow("three-digit minutes") << "120:30" << "ZZZZZZ" << "121:30" << 121 << 30;
}

void TestWordPlay::bonusLengthensClock()
{
    QFETCH(QString, clock);
    QFETCH(QString, word);
    QFETCH(QString, after);
    QFETCH(int, minutes);
    QFETCH(int, seconds);

    TestGame t;
    t.view.setBoard(boardStartingWith(word));
    t.start();
    // Before the first tick the remembered time is still 00:00 from start-up.
    if (!clock.isEmpty()) {
        // A tick leaves 01:59 behind, which the bonus must not start from.
        t.game.clock.tmrPlay_Timer();
        if (clock == QLatin1String("finish"))
            t.game.clock.cmdFinish_Click();
        else
            t.view.setCaption(ValueLabel::Time, clock);
    }
    for (int i = 0; i < word.size(); ++i)
        t.click({i});
    QCOMPARE(t.view.caption(ValueLabel::Word), word);
    t.game.submission.cmdEnter_Click();
    QCOMPARE(t.view.words, QStringList{word});
    QCOMPARE(t.view.caption(ValueLabel::Time), after);
    QCOMPARE(int(t.game.state.MinutesLeft), minutes);
    QCOMPARE(int(t.game.state.SecondsLeft), seconds);
}

void TestWordPlay::doubleClickOutsideGameOnlyClears()
{
    TestGame t;
    t.game.timeLimits.mnu30_Click();
    t.view.setTileMarked(7, true);
    t.view.setCaption(ValueLabel::ThisScore, QStringLiteral("5"));
    t.view.setCaption(ValueLabel::AddTime, QStringLiteral("8"));
    const GameState before = t.game.state;

    t.game.submission.l_DblClick(7);
    QCOMPARE(t.view.markedCount(), 0);
    QCOMPARE(t.view.caption(ValueLabel::Word), QString());
    QCOMPARE(t.view.caption(ValueLabel::ThisScore), QStringLiteral("0"));
    QCOMPARE(t.view.caption(ValueLabel::AddTime), QStringLiteral("0"));
    QCOMPARE(t.view.caption(ValueLabel::Score), QStringLiteral("0"));
    QCOMPARE(t.view.caption(ValueLabel::Time), QStringLiteral("00:30"));
    QCOMPARE(t.view.wordCount(), 0);
    QCOMPARE(t.game.state.MinutesLeft, before.MinutesLeft);
    QCOMPARE(t.game.state.SecondsLeft, before.SecondsLeft);
    QVERIFY(t.view.startPanelShown());
    QVERIFY(!t.view.timerEnabled());
}

QTEST_GUILESS_MAIN(TestWordPlay)
#include "tst_wordplay.moc"
