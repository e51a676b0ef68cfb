// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowHarness.h"

#include "support/FileBytes.h"
#include "support/ScoreBytes.h"

#include <QBackingStore>
#include <qpa/qplatformbackingstore.h>

using namespace harness;

namespace {

// Row 0: Q U I Z K A T S B C D F G H L M N P R E; row 1 starts E J X O T…; row 2 starts E.
const QString PlayBoard = QStringLiteral("QUIZKATSBCDFGHLMNPRE") + QStringLiteral("EJXO") + QString(15, QLatin1Char('T'))
    + QStringLiteral("W") + QStringLiteral("E") + QString(19, QLatin1Char('S'));

// "c5" clicks tile 5, "d5" double-clicks it, "Enter" and "Clear" press the buttons, "New"
// chooses File > New.
void play(Window &w, const QStringList &steps)
{
    for (const QString &step : steps) {
        if (step == QLatin1String("New"))
            w.child<QAction>(QStringLiteral("mnuNew"))->trigger();
        else if (step == QLatin1String("Enter") || step == QLatin1String("Clear"))
            w.press(QStringLiteral("cmd") + step);
        else if (step.startsWith(QLatin1Char('c')))
            w.click(step.mid(1).toInt());
        else if (step.startsWith(QLatin1Char('d')))
            w.doubleClick(step.mid(1).toInt());
        else
            QFAIL(qPrintable(step));
    }
}

// The waiting state a game end leaves: a fresh board, nothing of the game left.
void verifyAfterGame(const Window &w)
{
    QVERIFY(!w.child(QStringLiteral("fraStart"))->isHidden());
    QVERIFY(!w.child<QTimer>(QStringLiteral("tmrPlay"))->isActive());
    for (const char *button : {"cmdEnter", "cmdClear", "cmdShuffle"})
        QVERIFY2(!w.child(QLatin1String(button))->isEnabled(), button);
    QCOMPARE(w.words(), QStringList());
    QCOMPARE(w.text(QStringLiteral("lblScore")), QStringLiteral("0"));
    QCOMPARE(w.text(QStringLiteral("lblWord")), QString());
    QCOMPARE(w.text(QStringLiteral("lblThisScore")), QStringLiteral("0"));
    QCOMPARE(w.text(QStringLiteral("lblAddTime")), QStringLiteral("0"));
    QCOMPARE(w.text(QStringLiteral("lblTime")), QStringLiteral("00:00"));
    QCOMPARE(w.marked(), QList<int>());
    QString board;
    for (int i = 0; i < 400; ++i) {
        const QString letter = w.tile(i)->text();
        QVERIFY(letter.size() == 1 && letter.at(0) >= QLatin1Char('A') && letter.at(0) <= QLatin1Char('Z'));
        board += letter;
    }
    QVERIFY(!board.startsWith(PlayBoard));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

} // namespace

class tst_windowplay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { quietSizeHintNotes(); }
    void wordPlay_data();
    void wordPlay();
    void screenFollowsPlay_data();
    void screenFollowsPlay();
    void wholeGame();
    void gameEndsUnderHighScores();
};

void tst_windowplay::wordPlay_data()
{
    QTest::addColumn<bool>("started");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("thisScore");
    QTest::addColumn<QString>("addTime");
    QTest::addColumn<QList<int>>("marked");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("score");
    QTest::addColumn<QString>("time");
    QTest::addColumn<int>("selected");

    // Steps as play() takes them, blank-separated.
    const auto row = [](const char *name, bool started, const char *steps, const char *word, const char *thisScore, const char *addTime,
                        const QList<int> &marked, const QStringList &words, const char *score, const char *time, int selected) {
        QTest::newRow(name) << started << QString::fromLatin1(steps).split(u' ') << word << thisScore << addTime << marked << words << score
                            << time << selected;
    };
    // Clicks.
    row("touching tiles build the word", true, "c0 c1 c2 c3", "QUIZ", "22", "20", {0, 1, 2, 3}, {}, "0", "02:00", -1);
    row("diagonals touch", true, "c0 c21 c2", "QJI", "19", "18", {0, 2, 21}, {}, "0", "02:00", -1);
    row("J and X", true, "c21 c22", "JX", "16", "16", {21, 22}, {}, "0", "02:00", -1);
    row("a tile that does not touch restarts the word", true, "c0 c1 c2 c19", "E", "1", "0", {19}, {}, "0", "02:00", -1);
    row("row end and next row start do not touch", true, "c19 c20", "E", "1", "0", {20}, {}, "0", "02:00", -1);
    row("row end and row start do not touch", true, "c19 c0", "Q", "10", "10", {0}, {}, "0", "02:00", -1);
    row("row end and two rows down do not touch", true, "c19 c40", "E", "1", "0", {40}, {}, "0", "02:00", -1);
    row("marked tiles are refused", true, "c0 c1 c1 c0", "QU", "11", "10", {0, 1}, {}, "0", "02:00", -1);
    row("first click after start-up", true, "c1", "U", "1", "0", {1}, {}, "0", "02:00", -1);
    row("a letter after Clear", true, "c0 c1 Clear c4", "K", "5", "0", {4}, {}, "0", "02:00", -1);
    row("no game, no picking", false, "c0 c1", "", "0", "0", {}, {}, "0", "02:00", -1);
    // The buttons.
    row("Enter accepts a word", true, "c5 c6 c7 Enter", "", "0", "0", {}, {"ATS"}, "3", "02:00", -1);
    row("Enter adds the bonus to the clock", true, "c0 c1 c2 c3 Enter", "", "0", "0", {}, {"QUIZ"}, "22", "02:20", -1);
    row("a repeated word is refused and its entry selected", true, "c5 c6 c7 Enter c0 c1 c2 Enter c0 c1 c2 Enter", "", "0", "0", {},
        {"ATS", "QUI"}, "15", "02:10", 1);
    row("Enter refuses two letters", true, "c5 c6 Enter", "", "0", "0", {}, {}, "0", "02:00", -1);
    row("Clear keeps the list, total and clock", true, "c0 c1 c2 c3 Enter c5 c6 Clear", "", "0", "0", {}, {"QUIZ"}, "22", "02:20", -1);
    // Double clicks.
    row("double click adds its tile and submits", true, "c0 c1 d2", "", "0", "0", {}, {"QUI"}, "12", "02:10", -1);
    row("double click on the last tile", true, "c0 c1 c2 d2", "", "0", "0", {}, {"QUI"}, "12", "02:10", -1);
    row("double click refuses two letters", true, "c0 d1", "", "0", "0", {}, {}, "0", "02:00", -1);
    row("a word after a double click", true, "c0 c1 d2 c5 c6 d7", "", "0", "0", {}, {"QUI", "ATS"}, "15", "02:10", 0);
    row("double click without a game", false, "d5", "", "0", "0", {}, {}, "0", "02:00", -1);
}

void tst_windowplay::wordPlay()
{
    QFETCH(bool, started);
    QFETCH(QStringList, steps);

    Window w(PlayBoard);
    if (started)
        w.press(QStringLiteral("cmdStart"));
    play(w, steps);

    QTEST(w.text(QStringLiteral("lblWord")), "word");
    QTEST(w.text(QStringLiteral("lblThisScore")), "thisScore");
    QTEST(w.text(QStringLiteral("lblAddTime")), "addTime");
    QTEST(w.marked(), "marked");
    QTEST(w.words(), "words");
    QTEST(w.text(QStringLiteral("lblScore")), "score");
    QTEST(w.text(QStringLiteral("lblTime")), "time");
    QTEST(w.child<QListWidget>(QStringLiteral("lstWords"))->currentRow(), "selected");
}

void tst_windowplay::screenFollowsPlay_data()
{
    QTest::addColumn<bool>("started");
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("a game started") << true << QStringList();
    QTest::newRow("a new board while waiting") << false << QStringList{"New"};
    QTest::newRow("a new board during a game") << true << QStringList{"c0", "New"};
    QTest::newRow("tiles picked") << true << QStringList{"c0", "c1", "c2"};
    QTest::newRow("a word restarted") << true << QStringList{"c0", "c1", "c19"};
    QTest::newRow("a word cleared") << true << QStringList{"c0", "c1", "Clear"};
    QTest::newRow("a word entered") << true << QStringList{"c5", "c6", "c7", "Enter"};
}

// What reached the screen after each change is what the window would paint afresh: no
// letter or mark is left behind from before.
void tst_windowplay::screenFollowsPlay()
{
    QFETCH(bool, started);
    QFETCH(QStringList, steps);
    Window w(PlayBoard);
    QVERIFY(w.show());
    if (started)
        w.press(QStringLiteral("cmdStart"));
    play(w, steps);
    const auto pixels = [](QImage image) {
        image.setDevicePixelRatio(1);
        return image.convertToFormat(QImage::Format_RGB32);
    };
    // Given time for the repaints already asked for; one left out never comes.
    QTRY_COMPARE_WITH_TIMEOUT(pixels(w->backingStore()->handle()->toImage()), pixels(w->grab().toImage()), 2000);
}

void tst_windowplay::wholeGame()
{
    Window w(PlayBoard);
    const QString scores = w.path(QStringLiteral("HighScore.kvz"));
    const QString dictionary = w.path(QStringLiteral("Dictionary.kvz"));
    const QByteArray oldTable = ScoreBytes::table({{50, "Bob"}}) + ScoreBytes::emptyRecords(2);
    QVERIFY(FileBytes::write(scores, oldTable));
    QVERIFY(FileBytes::write(dictionary, "QUIZ\r\n"));
    QVERIFY(w.show());

    w.press(QStringLiteral("cmdStart"));
    play(w, {"c5", "c6", "c7", "Enter"});
    for (int i = 0; i < 5; ++i)
        w->game().tick();
    QCOMPARE(w.text(QStringLiteral("lblTime")), QStringLiteral("01:55"));
    play(w, {"c0", "c1", "c2", "c3", "Enter", "c22", "c23", "d24"});
    QCOMPARE(w.words(), (QStringList{"ATS", "QUIZ", "XOT"}));
    QCOMPARE(w.text(QStringLiteral("lblScore")), QStringLiteral("35"));
    QCOMPARE(w.text(QStringLiteral("lblTime")), QStringLiteral("02:23"));

    auto *list = w.child<QListWidget>(QStringLiteral("lstWords"));
    auto selectedIs = [list](const QString &word) {
        return [list, word](QWidget *box) {
            QCOMPARE(list->currentItem() ? list->currentItem()->text() : QString(), word);
            ModalScript::answer(word == QLatin1String("ATS") ? QMessageBox::Yes : QMessageBox::No)(box);
        };
    };
    ModalScript boxes;
    boxes.then([&](QWidget *box) {
        // While the name is asked the game has stopped and the table is as it was.
        QVERIFY(!w.child<QTimer>(QStringLiteral("tmrPlay"))->isActive());
        QCOMPARE(w.text(QStringLiteral("lblScore")), QStringLiteral("35"));
        QCOMPARE(FileBytes::read(scores), oldTable);
        ModalScript::typeName(QStringLiteral("Ada"))(box);
    });
    boxes.then(selectedIs(QStringLiteral("ATS")));
    boxes.then(selectedIs(QStringLiteral("XOT")));

    int ticks = 0;
    while (w.child(QStringLiteral("fraStart"))->isHidden() && ticks < 1000) {
        w->game().tick();
        ++ticks;
    }
    // 02:23 runs down to 00:00 in 143 ticks; the next one ends the game.
    QCOMPARE(ticks, 144);
    QCOMPARE(boxes.seen, (QStringList{
                             "High Score | You got a high score, please enter your name: | Name",
                             "Add Word | Would you like to add the word 'ATS' to your dictionary?",
                             "Add Word | Would you like to add the word 'XOT' to your dictionary?",
                         }));
    QVERIFY(boxes.done());
    QCOMPARE(boxes.unexpected, QStringList());
    verifyAfterGame(w);

    QCOMPARE(FileBytes::read(scores), ScoreBytes::table({{50, "Bob"}, {35, "Ada"}}) + ScoreBytes::emptyRecords(3));
    QCOMPARE(FileBytes::read(dictionary), QByteArray("QUIZ\r\nATS\r\n"));
}

void tst_windowplay::gameEndsUnderHighScores()
{
    Window w(PlayBoard);
    const QString scores = w.path(QStringLiteral("HighScore.kvz"));
    QVERIFY(FileBytes::write(scores, ScoreBytes::emptyTable()));
    QVERIFY(w.show());
    w.press(QStringLiteral("cmdStart"));
    play(w, {"c0", "c1", "c2", "c3", "Enter"});

    ModalScript boxes;
    boxes.then([&](QWidget *table) {
        // The clock runs out while the table is still open.
        for (int ticks = 0; ticks < 1000 && w.child(QStringLiteral("fraStart"))->isHidden(); ++ticks)
            w->game().tick();
        QVERIFY(table->isVisible());
        ModalScript::answer(QMessageBox::Ok)(table);
    });
    boxes.then(ModalScript::typeName(QStringLiteral("Eve")));
    boxes.then(ModalScript::answer(QMessageBox::Yes));
    w.child<QAction>(QStringLiteral("mnuScores"))->trigger();

    QCOMPARE(boxes.seen.size(), 3);
    QVERIFY(boxes.seen.at(0).startsWith(
        QStringLiteral("Zentile - High Scores | Rank     Score       Name\r\n\r\n01.        00000        ...\r\n")));
    QCOMPARE(boxes.seen.at(1), QStringLiteral("High Score | You got a high score, please enter your name: | Name"));
    QCOMPARE(boxes.seen.at(2), QStringLiteral("Add Word | Would you like to add the word 'QUIZ' to your dictionary?"));
    QCOMPARE(boxes.unexpected, QStringList());
    verifyAfterGame(w);
    QCOMPARE(FileBytes::read(scores), ScoreBytes::table({{22, "Eve"}}) + ScoreBytes::emptyRecords(2));
    QCOMPARE(FileBytes::read(w.path(QStringLiteral("Dictionary.kvz"))), QByteArray("QUIZ\r\n"));

    // The window plays on: the next game starts and takes clicks.
    w.press(QStringLiteral("cmdStart"));
    w.click(0);
    QCOMPARE(w.text(QStringLiteral("lblWord")), w.tile(0)->text());
    QCOMPARE(w.marked(), QList<int>{0});
}

QTEST_MAIN(tst_windowplay)
#include "tst_windowplay.moc"
