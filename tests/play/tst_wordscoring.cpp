// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/WordScoring.h"
#include "core/GameModel.h"
#include "support/ScriptedDialogs.h"

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

    const struct
    {
        const char *letters;
        int points;
        int bonus;
    } groups[] = {
        {"AEIOUTSRNL", 1, 0}, {"DG", 2, 0}, {"BMPC", 3, 0}, {"FHYWV", 4, 0},
        {"K", 5, 0},          {"JX", 8, 8}, {"QZ", 10, 10},
    };
    int rows = 0;
    for (const auto &group : groups) {
        for (const char *c = group.letters; *c; ++c, ++rows)
            QTest::newRow(QByteArray(1, *c).constData()) << QString(QLatin1Char(*c)) << group.points << group.bonus;
    }
    QCOMPARE(rows, 26);
}

void TestWordScoring::letterValue()
{
    QFETCH(QString, letter);
    QFETCH(int, points);
    QFETCH(int, bonus);

    GameModel model;
    ScriptedDialogs dialogs;
    WordScoring scoring(model, dialogs);
    // Added to what the word already has, not written over it.
    model.setWordScore(7);
    model.setTimeBonus(3);
    scoring.AddCurrentScore(letter.at(0));
    QCOMPARE(model.wordScore(), 7 + points);
    QCOMPARE(model.timeBonus(), 3 + bonus);
    QVERIFY(dialogs.shown.isEmpty());
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
}

void TestWordScoring::wordSums()
{
    QFETCH(QString, word);
    QFETCH(int, score);
    QFETCH(int, bonus);

    GameModel model;
    ScriptedDialogs dialogs;
    WordScoring scoring(model, dialogs);
    for (const QChar letter : std::as_const(word))
        scoring.AddCurrentScore(letter);
    QCOMPARE(model.wordScore(), score);
    QCOMPARE(model.timeBonus(), bonus);
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

void TestWordScoring::notALetter()
{
    QFETCH(QString, text);

    GameModel model;
    ScriptedDialogs dialogs;
    WordScoring scoring(model, dialogs);
    model.setWordScore(4);
    model.setTimeBonus(8);
    scoring.AddCurrentScore(text.at(0));
    QCOMPARE(model.wordScore(), 4);
    QCOMPARE(model.timeBonus(), 8);
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown[0].kind, ScriptedDialogs::Kind::Inform);
    QCOMPARE(dialogs.shown[0].text, text);
    QCOMPARE(dialogs.shown[0].title, QStringLiteral("Zentile"));
}

QTEST_GUILESS_MAIN(TestWordScoring)
#include "tst_wordscoring.moc"
