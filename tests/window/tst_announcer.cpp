// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader is given to say as a game is played from the keyboard.

#include "WindowHarness.h"
#include "window/Announcer.h"

#include <QAction>
#include <QSignalSpy>

using namespace harness;

namespace {

void type(Window &w, std::initializer_list<Qt::Key> keys)
{
    for (const Qt::Key key : keys)
        QTest::keyClick(w->windowHandle(), key);
}

} // namespace

class tst_announcer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { quietSizeHintNotes(); }
    void texts_data();
    void texts();
    void clockDue_data();
    void clockDue();
    void aGameByKeys();
    void endBeforeAnyBox();
};

void tst_announcer::texts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    using A = Announcer;
    QTest::newRow("pick") << A::pickText(QLatin1Char('A'), QStringLiteral("CA"), 4) << "A. CA, 4";
    QTest::newRow("word") << A::acceptedText(QStringLiteral("CAT"), 5, 12) << "CAT, 5 points. Score 12.";
    QTest::newRow("one point") << A::acceptedText(QStringLiteral("AAA"), 1, 1) << "AAA, 1 point. Score 1.";
    QTest::newRow("too short") << A::refusedText(QStringLiteral("CA"), A::Refusal::TooShort) << "CA refused, too short.";
    QTest::newRow("no word") << A::refusedText(QString(), A::Refusal::TooShort) << "No word.";
    QTest::newRow("played") << A::refusedText(QStringLiteral("CAT"), A::Refusal::AlreadyPlayed)
                            << "CAT refused, already played.";
    QTest::newRow("minutes") << A::clockText(120) << "2 minutes left.";
    QTest::newRow("minute and seconds") << A::clockText(91) << "1 minute 31 seconds left.";
    QTest::newRow("second") << A::clockText(1) << "1 second left.";
    QTest::newRow("none") << A::clockText(0) << "0 seconds left.";
    QTest::newRow("end") << A::endedText(0) << "Game over. Final score 0.";
}

void tst_announcer::texts()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void tst_announcer::clockDue_data()
{
    QTest::addColumn<int>("secondsLeft");
    QTest::addColumn<bool>("due");
    for (const auto &[seconds, due] : {std::pair{180, true}, {120, true}, {119, false}, {60, true}, {59, false},
                                       {31, false}, {30, true}, {11, false}, {10, true}, {9, false}, {0, false}})
        QTest::addRow("%d", seconds) << seconds << due;
}

void tst_announcer::clockDue()
{
    QFETCH(int, secondsLeft);
    QFETCH(bool, due);
    QCOMPARE(Announcer::clockDue(secondsLeft), due);
}

void tst_announcer::aGameByKeys()
{
    Window w(QStringLiteral("CATS"));
    QVERIFY(w.show() && QTest::qWaitForWindowActive(w.window.get()));
    QSignalSpy said(&w->announcer(), &Announcer::spoken);
    const auto next = [&said] {
        return !said.isEmpty() || said.wait(1000) ? said.takeFirst().at(0).toString() : QStringLiteral("(nothing)");
    };

    w.press(QStringLiteral("cmdStart"));
    QCOMPARE(next(), QStringLiteral("2 minutes left."));
    type(w, {Qt::Key_Space});
    QCOMPARE(next(), QStringLiteral("C. C, 3"));
    type(w, {Qt::Key_Right, Qt::Key_Space});
    QCOMPARE(next(), QStringLiteral("A. CA, 4"));
    type(w, {Qt::Key_Right, Qt::Key_Space});
    QCOMPARE(next(), QStringLiteral("T. CAT, 5"));
    type(w, {Qt::Key_Return});
    QCOMPARE(next(), QStringLiteral("CAT, 5 points. Score 5."));
    type(w, {Qt::Key_Space, Qt::Key_Return});
    QCOMPARE(next(), QStringLiteral("T. T, 1"));
    QCOMPARE(next(), QStringLiteral("T refused, too short."));
    type(w, {Qt::Key_Left, Qt::Key_Left, Qt::Key_Space, Qt::Key_Right, Qt::Key_Space, Qt::Key_Right, Qt::Key_Space});
    said.clear();
    type(w, {Qt::Key_Return});
    QCOMPARE(next(), QStringLiteral("CAT refused, already played."));
    QCOMPARE(w.text(QStringLiteral("lblScore")), QStringLiteral("5"));
    type(w, {Qt::Key_Space, Qt::Key_Escape});
    QCOMPARE(next(), QStringLiteral("T. T, 1"));
    QCOMPARE(next(), QStringLiteral("Word cleared."));
    // Escape with nothing to clear says nothing; T asks for the clock.
    type(w, {Qt::Key_Escape, Qt::Key_T});
    QCOMPARE(next(), QStringLiteral("2 minutes left."));

    // The clock by itself: silent at 01:01, heard at a whole minute.
    w->game().model.setClock({1, 1});
    QVERIFY(!said.wait(100));
    w->game().countdown.tick();
    QCOMPARE(next(), QStringLiteral("1 minute left."));

    // File > New in a game says both that it is gone and that the board is new, as one message.
    w.child<QAction>(QStringLiteral("mnuNew"))->trigger();
    QCOMPARE(next(), QStringLiteral("Game abandoned. New board."));
    QVERIFY(!said.wait(200));
}

void tst_announcer::endBeforeAnyBox()
{
    Window w(QStringLiteral("CATS"));
    QVERIFY(w.show() && QTest::qWaitForWindowActive(w.window.get()));
    w.press(QStringLiteral("cmdStart"));
    type(w, {Qt::Key_Space, Qt::Key_Right, Qt::Key_Space, Qt::Key_Right, Qt::Key_Space, Qt::Key_Return});

    QString saidAtFirstBox;
    ModalScript boxes;
    boxes.then([&](QWidget *box) {
        saidAtFirstBox = w->announcer().lastText();
        ModalScript::typeName(QStringLiteral("Ann"))(box);
    });
    boxes.then(ModalScript::answer(QMessageBox::No));
    w.child<QTimer>(QStringLiteral("tmrPlay"))->setInterval(10);
    w.press(QStringLiteral("cmdFinish"));
    QTRY_VERIFY(boxes.done());
    QCOMPARE(saidAtFirstBox, QStringLiteral("Game over. Final score 5."));
    QTRY_COMPARE(w->announcer().lastText(), QStringLiteral("New board."));
}

QTEST_MAIN(tst_announcer)
#include "tst_announcer.moc"
