// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowHarness.h"

#include "window/BoardSurface.h"

#include <QAccessible>

using namespace harness;

namespace {

// Row 0: Q U I Z K A T S B C D F G H L M N P R E; row 1 starts E J X O.
const QString KeyBoard = QStringLiteral("QUIZKATSBCDFGHLMNPRE") + QStringLiteral("EJXO");

using Keys = QList<int>;

Keys repeated(Qt::Key key, int times)
{
    return Keys(times, key);
}

QString spoken(QWidget *widget, QAccessible::Text kind = QAccessible::Name)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(kind) : QString();
}

QString tileName(const Window &w, int index)
{
    return QStringLiteral("%1, row %2, column %3").arg(w.tile(index)->text()).arg(index / 20 + 1).arg(index % 20 + 1);
}

// The window shown and active with the board focused, so that keys arrive the way a player's do.
bool focusBoard(Window &w)
{
    if (!w.show() || !QTest::qWaitForWindowActive(w.window.get()))
        return false;
    w.child(QStringLiteral("board"))->setFocus(Qt::OtherFocusReason);
    return QApplication::focusWidget() == w.child(QStringLiteral("board"));
}

// Through the window system, to whatever has the focus.
void type(Window &w, const Keys &keys)
{
    for (int key : keys)
        QTest::keyClick(w->windowHandle(), Qt::Key(key));
}

} // namespace

class tst_keyboard : public QObject
{
    Q_OBJECT

private slots:
    void boardTakesFocus();
    void cursor_data();
    void cursor();
    void cursorDrawnOnlyOnceUsed();
    void keyPlay_data();
    void keyPlay();
    void tileNames();
    void valueLabelNames_data();
    void valueLabelNames();
};

void tst_keyboard::boardTakesFocus()
{
    Window w(KeyBoard);
    QVERIFY(w.show());
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    QWidget *board = w.child(QStringLiteral("board"));
    QVERIFY(board->focusPolicy() & Qt::TabFocus);

    // Tab from the last button reaches the board, and the next Tab leaves it for the word list.
    w.child(QStringLiteral("cmdFinish"))->setFocus(Qt::TabFocusReason);
    type(w, {Qt::Key_Tab});
    QCOMPARE(QApplication::focusWidget(), board);
    type(w, {Qt::Key_Tab});
    QCOMPARE(QApplication::focusWidget(), w.child(QStringLiteral("lstWords")));

    // A click on a tile hands the focus to the board as well.
    QTest::mouseClick(w.tile(5), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), board);
}

void tst_keyboard::cursor_data()
{
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<bool>("shown");

    QTest::newRow("untouched") << Keys{} << 0 << false;
    QTest::newRow("right") << Keys{Qt::Key_Right} << 1 << true;
    QTest::newRow("down") << Keys{Qt::Key_Down} << 20 << true;
    QTest::newRow("left stops at the first column") << Keys{Qt::Key_Left} << 0 << true;
    QTest::newRow("up stops at the top row") << Keys{Qt::Key_Up} << 0 << true;
    QTest::newRow("round trip") << Keys{Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left} << 0 << true;
    QTest::newRow("right stops at the last column") << repeated(Qt::Key_Right, 25) << 19 << true;
    QTest::newRow("no wrap onto the next row") << repeated(Qt::Key_Right, 25) + Keys{Qt::Key_Down, Qt::Key_Left} << 38 << true;
    QTest::newRow("bottom right corner") << repeated(Qt::Key_Right, 25) + repeated(Qt::Key_Down, 25) << 399 << true;
    QTest::newRow("back to the bottom left") << repeated(Qt::Key_Down, 19) + repeated(Qt::Key_Left, 3) << 380 << true;
}

void tst_keyboard::cursor()
{
    QFETCH(Keys, keys);
    QFETCH(int, cursor);
    QFETCH(bool, shown);

    Window w(KeyBoard);
    QVERIFY(focusBoard(w));
    auto *board = w.child<BoardSurface>(QStringLiteral("board"));
    const QStringList before = snapshot(w);
    type(w, keys);
    QCOMPARE(board->cursor(), cursor);
    QCOMPARE(board->cursorShown(), shown);
    if (shown)
        QCOMPARE(spoken(board, QAccessible::Description), tileName(w, cursor));
    // Moving the cursor picks nothing.
    QCOMPARE(snapshot(w), before);
}

void tst_keyboard::cursorDrawnOnlyOnceUsed()
{
    Window w(KeyBoard);
    QVERIFY(focusBoard(w));
    QWidget *board = w.child(QStringLiteral("board"));
    // A corner of a tile, clear of its letter.
    auto corner = [&w](int index) { return w.tile(index)->geometry().topLeft() + QPoint(3, 3); };
    const QImage untouched = board->grab().toImage();
    QCOMPARE(untouched.pixel(corner(0)), untouched.pixel(corner(1)));

    type(w, {Qt::Key_Right});
    const QImage moved = board->grab().toImage();
    QVERIFY(moved.pixel(corner(1)) != untouched.pixel(corner(1)));
    QCOMPARE(moved.pixel(corner(0)), untouched.pixel(corner(0)));
}

void tst_keyboard::keyPlay_data()
{
    QTest::addColumn<bool>("started");
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("thisScore");
    QTest::addColumn<QList<int>>("marked");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("score");

    const int space = Qt::Key_Space;
    const int right = Qt::Key_Right;
    const int down = Qt::Key_Down;
    const int enter = Qt::Key_Return;
    const auto row = [](const char *name, bool started, const Keys &keys, const char *word, const char *thisScore, const QList<int> &marked,
                        const QStringList &words, const char *score) {
        QTest::newRow(name) << started << keys << word << thisScore << marked << words << score;
    };
    row("Space picks the tile under the cursor", true, {space}, "Q", "10", {0}, {}, "0");
    row("touching tiles build the word", true, {space, right, space, right, space}, "QUI", "12", {0, 1, 2}, {}, "0");
    row("diagonal", true, {space, down, right, space}, "QJ", "18", {0, 21}, {}, "0");
    row("a tile that does not touch restarts the word", true, {space, right, right, space}, "I", "1", {2}, {}, "0");
    row("a marked tile is refused", true, {space, right, space, Qt::Key_Left, space}, "QU", "11", {0, 1}, {}, "0");
    row("across the edge is no touch", true, repeated(Qt::Key_Right, 19) + Keys{space, down} + repeated(Qt::Key_Left, 19) + Keys{space},
        "E", "1", {20}, {}, "0");
    row("no game, no picking", false, {space, right, space}, "", "0", {}, {}, "0");
    row("Return submits", true, {space, right, space, right, space, enter}, "", "0", {}, {"QUI"}, "12");
    row("Return refuses two letters", true, {space, right, space, enter}, "", "0", {}, {}, "0");
    row("Escape clears", true, {space, right, space, right, space, enter, space, right, space, Qt::Key_Escape}, "", "0", {}, {"QUI"}, "12");
}

void tst_keyboard::keyPlay()
{
    QFETCH(bool, started);
    QFETCH(Keys, keys);

    Window w(KeyBoard);
    if (started)
        w.press(QStringLiteral("cmdStart"));
    QVERIFY(focusBoard(w));
    type(w, keys);

    QTEST(w.text(QStringLiteral("lblWord")), "word");
    QTEST(w.text(QStringLiteral("lblThisScore")), "thisScore");
    QTEST(w.marked(), "marked");
    QTEST(w.words(), "words");
    QTEST(w.text(QStringLiteral("lblScore")), "score");
}

void tst_keyboard::tileNames()
{
    Window w(KeyBoard);
    QCOMPARE(spoken(w.tile(0)), QStringLiteral("Q, row 1, column 1"));
    QCOMPARE(spoken(w.tile(21)), QStringLiteral("J, row 2, column 2"));
    for (int i = 0; i < 400; ++i)
        QCOMPARE(spoken(w.tile(i)), tileName(w, i));

    // A pick names the tile as part of the word, and Clear takes that back.
    w.press(QStringLiteral("cmdStart"));
    QVERIFY(focusBoard(w));
    type(w, {Qt::Key_Space, Qt::Key_Right, Qt::Key_Space});
    QCOMPARE(spoken(w.tile(0)), QStringLiteral("Q, row 1, column 1, in the current word"));
    QCOMPARE(spoken(w.tile(1)), QStringLiteral("U, row 1, column 2, in the current word"));
    QCOMPARE(spoken(w.tile(2)), QStringLiteral("I, row 1, column 3"));
    QCOMPARE(spoken(w.child(QStringLiteral("board")), QAccessible::Description), QStringLiteral("U, row 1, column 2, in the current word"));
    w.click(5);
    QCOMPARE(spoken(w.tile(0)), QStringLiteral("Q, row 1, column 1"));
    QCOMPARE(spoken(w.tile(5)), QStringLiteral("A, row 1, column 6, in the current word"));
    w.press(QStringLiteral("cmdClear"));
    QCOMPARE(spoken(w.tile(5)), QStringLiteral("A, row 1, column 6"));

    // A new deal renames every tile after its new letter.
    w.child<QAction>(QStringLiteral("mnuNew"))->trigger();
    QString letters;
    for (int i = 0; i < 400; ++i) {
        QCOMPARE(spoken(w.tile(i)), tileName(w, i));
        letters += w.tile(i)->text();
    }
    QVERIFY(!letters.startsWith(KeyBoard));
}

void tst_keyboard::valueLabelNames_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("what");
    QTest::newRow("lblScore") << "lblScore" << "Score";
    QTest::newRow("lblWord") << "lblWord" << "Current word";
    QTest::newRow("lblTime") << "lblTime" << "Time remaining";
    QTest::newRow("lblThisScore") << "lblThisScore" << "This word score";
}

void tst_keyboard::valueLabelNames()
{
    QFETCH(QString, label);
    QFETCH(QString, what);
    Window w(KeyBoard);
    w.press(QStringLiteral("cmdStart"));
    w.click(0);
    w->game().tick();
    // A screen reader speaks the value itself; what the value is goes in the description.
    QAccessibleInterface *box = QAccessible::queryAccessibleInterface(w.child(label));
    QVERIFY(!w.text(label).isEmpty());
    QCOMPARE(box->text(QAccessible::Name), w.text(label));
    QCOMPARE(box->text(QAccessible::Description), what);
}

QTEST_MAIN(tst_keyboard)
#include "tst_keyboard.moc"
