// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestGame.h"

#include <QTest>

namespace {

bool oneCapital(const QString &text)
{
    return text.size() == 1 && text.at(0) >= QLatin1Char('A') && text.at(0) <= QLatin1Char('Z');
}

QList<QRect> geometries(const MemoryView &view)
{
    QList<QRect> rects;
    for (const MemoryView::Tile &tile : view.tileData)
        rects << tile.twips;
    return rects;
}

} // namespace

class TestTileGrid : public QObject
{
    Q_OBJECT

private slots:
    void tilePosition_data();
    void tilePosition();
    void boardIsOneSquareOfTiles();
    void rowCountersAfterStartUp();
    void manyDealsKeepTheBoard();
    void dealLeavesWaitingState();
    void dealDuringGameKeepsWordAndScore();
};

void TestTileGrid::tilePosition_data()
{
    QTest::addColumn<int>("tile");
    QTest::addColumn<QPoint>("twips");

    QTest::newRow("0, kept from the design") << 0 << QPoint(240, 240);
    QTest::newRow("1") << 1 << QPoint(585, 240);
    QTest::newRow("19, end of row 0") << 19 << QPoint(6795, 240);
    QTest::newRow("20, start of row 1") << 20 << QPoint(240, 585);
    QTest::newRow("21") << 21 << QPoint(585, 585);
    QTest::newRow("40, start of row 2") << 40 << QPoint(240, 930);
    QTest::newRow("399, last") << 399 << QPoint(6795, 6795);
}

void TestTileGrid::tilePosition()
{
    QFETCH(int, tile);
    QFETCH(QPoint, twips);

    TestGame t;
    QCOMPARE(t.view.tileGeometry(tile), QRect(twips, QSize(345, 345)));
}

void TestTileGrid::boardIsOneSquareOfTiles()
{
    TestGame t;
    const QList<QRect> rects = geometries(t.view);
    QRect covered;
    for (int i = 0; i < TileCount; ++i) {
        QVERIFY2(t.view.tileData[i].created && t.view.tileData[i].visible, qPrintable(QString::number(i)));
        QCOMPARE(rects[i].size(), QSize(345, 345));
        QCOMPARE(rects[i].topLeft(), QPoint(240 + 345 * (i % 20), 240 + 345 * (i / 20)));
        for (int j = i + 1; j < TileCount; ++j)
            QVERIFY2(!rects[i].intersects(rects[j]), qPrintable(QStringLiteral("%1 overlaps %2").arg(i).arg(j)));
        covered |= rects[i];
    }
    // 400 disjoint tiles inside this square fill it, so no row is left empty.
    QCOMPARE(covered, QRect(240, 240, 6900, 6900));
}

void TestTileGrid::rowCountersAfterStartUp()
{
    TestGame t;
    QCOMPARE(int(t.game.state.CurrentRow), 20);
    for (int j = 0; j < BoardSide; ++j)
        QCOMPARE(int(t.game.state.RowStart[j]), 20 * j);
    QCOMPARE(t.game.state.TimeLimit, QStringLiteral("02:00"));
}

void TestTileGrid::manyDealsKeepTheBoard()
{
    TestGame t(7);
    const QList<QRect> laidOut = geometries(t.view);
    QString previous = t.view.board();
    for (int deal = 0; deal < 200; ++deal) {
        t.game.grid.PopulateTiles();
        for (int i = 0; i < TileCount; ++i)
            QVERIFY2(oneCapital(t.view.tileCaption(i)), qPrintable(QStringLiteral("tile %1").arg(i)));
        // Two boards of 400 tiles from independent draws are never the same.
        QVERIFY(t.view.board() != previous);
        previous = t.view.board();
    }
    QCOMPARE(geometries(t.view), laidOut);
    for (const MemoryView::Tile &tile : t.view.tileData)
        QVERIFY(tile.visible);
    for (int j = 0; j < BoardSide; ++j)
        QCOMPARE(int(t.game.state.RowStart[j]), 20 * j);
    QCOMPARE(int(t.game.state.CurrentRow), 20);
}

void TestTileGrid::dealLeavesWaitingState()
{
    TestGame t;
    QVERIFY(t.view.startPanelShown());
    t.game.timeLimits.mnu30_Click();
    t.start();
    t.click({0, 1, 2});
    t.game.submission.cmdEnter_Click();
    t.game.timeLimits.mnu1_Click(); // during the game: the next deal shows it
    QCOMPARE(t.view.wordCount(), 1);
    QCOMPARE(t.view.caption(ValueLabel::Time), QStringLiteral("00:30"));

    t.game.grid.PopulateTiles();
    QVERIFY(t.view.startPanelShown());
    QVERIFY(!t.view.timerEnabled());
    QVERIFY(!t.view.buttonEnabled(WordButton::Enter));
    QVERIFY(!t.view.buttonEnabled(WordButton::Shuffle));
    QVERIFY(!t.view.buttonEnabled(WordButton::Clear));
    QCOMPARE(t.view.wordCount(), 0);
    QCOMPARE(t.view.caption(ValueLabel::Time), QStringLiteral("01:00"));
}

void TestTileGrid::dealDuringGameKeepsWordAndScore()
{
    TestGame t;
    t.view.setBoard(QStringLiteral("QUIZ") + QString(TileCount - 4, QLatin1Char('A')));
    t.start();
    t.click({0, 1, 2, 3});
    t.game.submission.cmdEnter_Click();
    t.click({21, 22});
    const QString score = t.view.caption(ValueLabel::Score);
    QCOMPARE(score, QStringLiteral("22"));
    QCOMPARE(t.view.caption(ValueLabel::Word), QStringLiteral("AA"));
    const GameState before = t.game.state;

    t.game.grid.PopulateTiles();
    QCOMPARE(t.view.caption(ValueLabel::Score), score);
    QCOMPARE(t.view.caption(ValueLabel::Word), QStringLiteral("AA"));
    QCOMPARE(t.view.caption(ValueLabel::ThisScore), QStringLiteral("2"));
    QCOMPARE(t.view.caption(ValueLabel::AddTime), QStringLiteral("0"));
    QCOMPARE(t.view.markedCount(), 2);
    QVERIFY(t.view.tileMarked(21) && t.view.tileMarked(22));
    QCOMPARE(t.game.state.LastTile, before.LastTile);
    QCOMPARE(t.game.state.MinutesLeft, before.MinutesLeft);
    QCOMPARE(t.game.state.SecondsLeft, before.SecondsLeft);
    QVERIFY(!t.view.timerEnabled());
    QCOMPARE(t.view.wordCount(), 0);
}

QTEST_GUILESS_MAIN(TestTileGrid)
#include "tst_tilegrid.moc"
