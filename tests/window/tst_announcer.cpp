// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader is given to say as a game is played from the keyboard.

#include "WindowHarness.h"
#include "window/Announcer.h"

#include <QAction>
#include <QSignalSpy>

using namespace harness;

// Keys by name, as in "Right Space".
static void type(Window &w, const char *keys)
{
    for (const QString &name : QString::fromLatin1(keys).split(QLatin1Char(' ')))
        QTest::keyClick(w->windowHandle(), QKeySequence::fromString(name)[0].key());
}

class tst_announcer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { quietSizeHintNotes(); }

    // The texts a short game does not reach.
    void texts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        using A = Announcer;
        QTest::newRow("one point") << A::acceptedText(QStringLiteral("AAA"), 1, 1) << "AAA, 1 point. Score 1.";
        QTest::newRow("no word") << A::refusedText(QString(), A::Refusal::TooShort) << "No word.";
        QTest::newRow("minute and seconds") << A::clockText(91) << "1 minute 31 seconds left.";
        QTest::newRow("second") << A::clockText(1) << "1 second left.";
        QTest::newRow("none") << A::clockText(0) << "0 seconds left.";
        QStringList due;
        for (int seconds = 180; seconds >= 0; --seconds) {
            if (A::clockDue(seconds))
                due << QString::number(seconds);
        }
        QTest::newRow("clock heard at") << due.join(QLatin1Char(' ')) << "180 120 60 30 10";
    }

    void texts()
    {
        QFETCH(QString, text);
        QTEST(text, "expected");
    }

    void aGameByKeys()
    {
        Window w(QStringLiteral("CATS"));
        QVERIFY(w.show() && QTest::qWaitForWindowActive(w.window.get()));
        QSignalSpy said(&w->announcer(), &Announcer::spoken);
        // All said since the last call, as one text.
        const auto heard = [&] {
            w->announcer().flush();
            QStringList texts;
            for (const QList<QVariant> &text : std::as_const(said))
                texts << text.at(0).toString();
            said.clear();
            return texts.join(QLatin1Char(' '));
        };

        w.press(QStringLiteral("cmdStart"));
        QCOMPARE(heard(), QStringLiteral("2 minutes left."));
        for (const auto &[keys, expected] : {
                 std::pair{"Space", "C. C, 3"}, {"Right Space", "A. CA, 4"}, {"Right Space", "T. CAT, 5"},
                 {"Return", "CAT, 5 points. Score 5."}, {"Space Return", "T. T, 1 T refused, too short."},
                 {"Left Left Space Right Space Right Space Return", "C. C, 3 A. CA, 4 T. CAT, 5 CAT refused, already played."},
                 {"Space Esc", "T. T, 1 Word cleared."}, {"Esc T", "2 minutes left."}, // Esc with nothing to clear says nothing
             }) {
            type(w, keys);
            QCOMPARE(heard(), QString::fromLatin1(expected));
        }
        QCOMPARE(w.text(QStringLiteral("lblScore")), QStringLiteral("5"));

        // The clock by itself: silent at 01:01, heard at a whole minute.
        w->game().model.setClock({1, 1});
        QCOMPARE(heard(), QString());
        w->game().tick();
        QCOMPARE(heard(), QStringLiteral("1 minute left."));

        // The end is spoken before any box opens; then the fresh board.
        QString saidAtFirstBox;
        ModalScript boxes;
        boxes.then([&](QWidget *box) {
            saidAtFirstBox = w->announcer().lastText();
            ModalScript::typeName(QStringLiteral("Ann"))(box);
        });
        boxes.then(ModalScript::answer(QMessageBox::No));
        auto *timer = w.child<QTimer>(QStringLiteral("tmrPlay"));
        timer->setInterval(10);
        w.press(QStringLiteral("cmdFinish"));
        QTRY_VERIFY(boxes.done());
        QCOMPARE(saidAtFirstBox, QStringLiteral("Game over. Final score 5."));
        QTRY_COMPARE(w->announcer().lastText(), QStringLiteral("New board."));

        // File > New in a game says both that it is gone and that the board is new, as one message.
        timer->setInterval(1000);
        w.press(QStringLiteral("cmdStart"));
        heard();
        w.child<QAction>(QStringLiteral("mnuNew"))->trigger();
        QVERIFY(said.wait(1000));
        QCOMPARE(said.takeFirst().at(0).toString(), QStringLiteral("Game abandoned. New board."));
        QVERIFY(!said.wait(200));
    }
};

QTEST_MAIN(tst_announcer)
#include "tst_announcer.moc"
