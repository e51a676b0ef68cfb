// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/WordScoring.h"
#include "support/LetterTable.h"
#include "support/TestGame.h"

#include <QTest>

class TestWordScoring : public QObject
{
    Q_OBJECT

private slots:
    void letterValue_data();
    void letterValue();
    void wordSums_data();
    void wordSums();
    void notALetter_data();
    void notALetter();
};

void TestWordScoring::letterValue_data()
{
    QTest::addColumn<QString>("letter");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("bonus");

    int rows = 0;
    for (const auto &group : LetterTable::Rows) {
        for (const char *c = group.letters; *c; ++c, ++rows)
            QTest::newRow(QByteArray(1, *c).constData()) << QString(QLatin1Char(*c)) << group.points << group.bonusSeconds;
    }
    QCOMPARE(rows, 26);
}

void TestWordScoring::letterValue()
{
    QFETCH(QString, letter);
    QFETCH(int, points);
    QFETCH(int, bonus);

    const auto value = WordScoring::valueOf(letter.at(0));
    QVERIFY(value);
    QCOMPARE(value->points, points);
    QCOMPARE(value->bonusSeconds, bonus);
}

void TestWordScoring::wordSums_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("bonus");

    QTest::newRow("QUIZ") << "QUIZ" << 22 << 20;
    QTest::newRow("JX") << "JX" << 16 << 16;
    QTest::newRow("one-point letters") << "TRAINS" << 6 << 0;
    QTest::newRow("K") << "K" << 5 << 0;
    QTest::newRow("non-letters count nothing") << "Q7u" << 10 << 10;
}

void TestWordScoring::wordSums()
{
    QFETCH(QString, word);
    QFETCH(int, score);
    QFETCH(int, bonus);

    const WordScoring::Value value = WordScoring::valueOf(word);
    QCOMPARE(value.points, score);
    QCOMPARE(value.bonusSeconds, bonus);
}

void TestWordScoring::notALetter_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("lower case") << "q";
    QTest::newRow("blank") << " ";
    QTest::newRow("digit") << "7";
    QTest::newRow("accented capital") << QStringLiteral("\u00c4");
    QTest::newRow("after Z") << "[";
}

// Worth nothing, and a tile that holds one is shown in a box as it is picked.
void TestWordScoring::notALetter()
{
    QFETCH(QString, text);

    QVERIFY(!WordScoring::valueOf(text.at(0)));
    TestGame t;
    t.setBoard(QStringLiteral("Q") + text);
    t.start();
    t.click({0, 1});
    QCOMPARE(t.model.wordScore(), 10);
    QCOMPARE(t.model.timeBonus(), 10);
    QCOMPARE(t.dialogs.shown.size(), 1);
    QCOMPARE(t.dialogs.shown[0].kind, ScriptedDialogs::Kind::Inform);
    QCOMPARE(t.dialogs.shown[0].text, text);
    QCOMPARE(t.dialogs.shown[0].title, QStringLiteral("Zentile"));
}

QTEST_GUILESS_MAIN(TestWordScoring)
#include "tst_wordscoring.moc"
