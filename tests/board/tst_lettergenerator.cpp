// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/ClockRandomSource.h"
#include "board/LetterGenerator.h"
#include "board/TileGrid.h"
#include "core/GameModel.h"
#include "support/ScriptedRandom.h"

#include <QSet>
#include <QTest>

#include <array>

namespace {

// Chi-square with 25 degrees of freedom exceeds this with probability 1e-6.
constexpr double ChiSquareLimit = 73.89;

// The share of each letter A to Z on a dealt board.
std::array<double, 26> expectedOdds()
{
    std::array<double, 26> odds{};
    for (const char c : QByteArrayLiteral("AEIOU"))
        odds[c - 'A'] = 1.0 / 10;
    for (const char c : QByteArrayLiteral("SBCDFGHWVKLMNYP"))
        odds[c - 'A'] = 9.0 / 374;
    odds['T' - 'A'] = 27.0 / 748;
    odds['R' - 'A'] = 9.0 / 748;
    odds['J' - 'A'] = 3.0 / 88;
    odds['Q' - 'A'] = 1.0 / 44;
    odds['X' - 'A'] = 1.0 / 44;
    odds['Z' - 'A'] = 1.0 / 88;
    return odds;
}

} // namespace

class TestLetterGenerator : public QObject
{
    Q_OBJECT

private slots:
    void letterFromRolls_data();
    void letterFromRolls();
    void dealDrawsTwicePerTile_data();
    void dealDrawsTwicePerTile();
    void oddsOnRealBoards();
    void clockSourceNeverReplays();
};

void TestLetterGenerator::letterFromRolls_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<double>("u");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<int>("letterRoll");

    // u = 0.25 gives A, J and D in the three groups, so the group shows in the letter.
    QTest::newRow("category 0 is a vowel") << 0 << 0.25 << "A" << 1;
    QTest::newRow("category 5 is a vowel") << 5 << 0.25 << "A" << 1;
    QTest::newRow("category 6 is rare") << 6 << 0.25 << "J" << 1;
    QTest::newRow("category 7 is common") << 7 << 0.25 << "D" << 4;
    QTest::newRow("category 11 is common") << 11 << 0.25 << "D" << 4;

    QTest::newRow("vowel roll 0") << 0 << 0.0 << "E" << 0;
    QTest::newRow("rare roll 0") << 6 << 0.0 << "J" << 0;
    QTest::newRow("common roll 0") << 7 << 0.0 << "T" << 0;
    QTest::newRow("common roll 5") << 7 << 5.0 / 17 << "T" << 5;
    QTest::newRow("vowel top 5") << 3 << 0.95 << "E" << 5;
    QTest::newRow("rare top 4") << 6 << 0.9375 << "Z" << 4;
    QTest::newRow("common top 17") << 9 << 0.99 << "R" << 17;
    QTest::newRow("vowel just below 1") << 0 << 0.999999 << "E" << 5;

    QTest::newRow("vowel 2.5 to even") << 0 << 0.5 << "U" << 2;
    QTest::newRow("common 8.5 to even") << 8 << 0.5 << "H" << 8;
    QTest::newRow("rare 0.5 to even") << 6 << 0.125 << "J" << 0;
    QTest::newRow("rare 1.5 to even") << 6 << 0.375 << "Q" << 2;
    QTest::newRow("rare 2.5 to even") << 6 << 0.625 << "Q" << 2;
    QTest::newRow("rare 3.5 to even") << 6 << 0.875 << "Z" << 4;
    QTest::newRow("common 3.4 rounds down") << 11 << 0.2 << "C" << 3;
}

void TestLetterGenerator::letterFromRolls()
{
    QFETCH(int, category);
    QFETCH(double, u);
    QFETCH(QString, letter);
    QFETCH(int, letterRoll);

    ScriptedRandom random;
    random.script = {u};
    LetterGenerator generator(random);
    qint16 roll = static_cast<qint16>(category);
    QCOMPARE(generator.GetLetter(roll), letter);
    // The category roll is overwritten by the letter roll.
    QCOMPARE(int(roll), letterRoll);
    QCOMPARE(random.reseeds, 1);
    QCOMPARE(random.draws, 1);
}

void TestLetterGenerator::dealDrawsTwicePerTile_data()
{
    QTest::addColumn<double>("categoryU");
    QTest::addColumn<double>("letterU");
    QTest::addColumn<QString>("letter");

    QTest::newRow("5.5 to category 6") << 0.5 << 0.625 << "Q";
    QTest::newRow("category 0") << 0.0 << 0.25 << "A";
    QTest::newRow("10.89 to category 11") << 0.99 << 0.99 << "R";
    QTest::newRow("6.6 to category 7") << 0.6 << 0.5 << "H";
    QTest::newRow("5.39 to category 5") << 0.49 << 0.95 << "E";
}

void TestLetterGenerator::dealDrawsTwicePerTile()
{
    QFETCH(double, categoryU);
    QFETCH(double, letterU);
    QFETCH(QString, letter);

    ScriptedRandom random;
    // Tiles 0 to 398 draw zeros ("E"); the last tile gets the row's pair only if each tile takes two draws.
    random.script = QList<double>(2 * (Board::TileCount - 1), 0.0) << categoryU << letterU;

    GameModel model;
    LetterGenerator generator(random);
    TileGrid grid(model, generator);
    grid.PopulateTiles();

    QCOMPARE(model.letters(), QString(Board::TileCount - 1, QLatin1Char('E')) + letter);
    QCOMPARE(random.reseeds, 2 * Board::TileCount);
    QCOMPARE(random.draws, 2 * Board::TileCount);
}

void TestLetterGenerator::oddsOnRealBoards()
{
    constexpr int Deals = 300;
    ClockRandomSource random;
    GameModel model;
    LetterGenerator generator(random);
    TileGrid grid(model, generator);

    std::array<qint64, 26> counts{};
    qint64 others = 0;
    for (int deal = 0; deal < Deals; ++deal) {
        grid.PopulateTiles();
        for (const QChar letter : model.letters()) {
            if (letter >= QLatin1Char('A') && letter <= QLatin1Char('Z'))
                ++counts[letter.unicode() - 'A'];
            else
                ++others;
        }
    }
    QCOMPARE(others, 0);

    const double total = double(Deals) * Board::TileCount;
    const std::array<double, 26> odds = expectedOdds();
    double chiSquare = 0;
    for (int i = 0; i < 26; ++i) {
        QVERIFY2(counts[i] > 0, qPrintable(QStringLiteral("%1 never came up").arg(QChar(u'A' + i))));
        const double expected = odds[i] * total;
        chiSquare += (counts[i] - expected) * (counts[i] - expected) / expected;
    }
    QVERIFY2(chiSquare < ChiSquareLimit, qPrintable(QStringLiteral("chi-square %1").arg(chiSquare)));
}

void TestLetterGenerator::clockSourceNeverReplays()
{
    ClockRandomSource random;
    QSet<double> seen;
    constexpr int Pairs = 50000;
    for (int i = 0; i < Pairs; ++i) {
        // A tile's two re-seeds follow each other within a clock tick.
        random.reseed();
        const double category = random.next();
        random.reseed();
        const double letter = random.next();
        QVERIFY(category >= 0.0 && category < 1.0);
        QVERIFY(letter >= 0.0 && letter < 1.0);
        QVERIFY(category != letter);
        seen << category << letter;
    }
    QCOMPARE(seen.size(), 2 * Pairs);
}

QTEST_GUILESS_MAIN(TestLetterGenerator)
#include "tst_lettergenerator.moc"
