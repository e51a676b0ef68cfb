// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestGame.h"

#include <QTest>

#include <algorithm>

namespace {

bool capitals(const QString &board)
{
    return board.size() == Board::TileCount
        && std::all_of(board.cbegin(), board.cend(), [](QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('Z'); });
}

} // namespace

class TestTileGrid : public QObject
{
    Q_OBJECT

private slots:
    void manyDeals();
    void newBoardLeavesWaitingState();
};

void TestTileGrid::manyDeals()
{
    TestGame t(7);
    QString previous = t.model.letters();
    for (int deal = 0; deal < 200; ++deal) {
        t.game.grid.PopulateTiles();
        QVERIFY(capitals(t.model.letters()));
        // Two boards of 400 tiles from independent draws are never the same.
        QVERIFY(t.model.letters() != previous);
        previous = t.model.letters();
    }
}

void TestTileGrid::newBoardLeavesWaitingState()
{
    TestGame t;
    QCOMPARE(t.model.phase(), GameModel::Phase::Waiting);
    t.game.timeLimits.setTimeLimit(0);
    t.start();
    t.click({0, 1, 2});
    t.game.submission.submitWord();
    t.click({40, 41});
    t.game.timeLimits.setTimeLimit(1); // during the game: the next deal shows it
    QCOMPARE(t.model.playedWords().size(), 1);
    QCOMPARE(t.clock(), QStringLiteral("00:30"));
    const QString board = t.model.letters();

    t.game.newBoard();
    QCOMPARE(t.model.phase(), GameModel::Phase::Waiting);
    QVERIFY(!t.model.ticking());
    QVERIFY(t.model.playedWords().isEmpty());
    QCOMPARE(t.clock(), QStringLiteral("01:00"));
    // Nothing of the abandoned game counts in the next one.
    QCOMPARE(t.model.score(), 0);
    QVERIFY(t.model.word().isEmpty() && t.model.wordTiles().isEmpty());
    QCOMPARE(t.model.wordScore(), 0);
    QVERIFY(t.model.letters() != board);
}

QTEST_GUILESS_MAIN(TestTileGrid)
#include "tst_tilegrid.moc"
