// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game played from the keyboard with a screen reader's bridge listening: where the focus
// goes, what the reader is told, and the keys a player without a mouse needs.

#include "WindowHarness.h"
#include "support/FileBytes.h"
#include "window/Announcer.h"
#include "window/BoardSurface.h"
#include "support/ScoreBytes.h"
#include "support/TestGame.h"

#include <QAccessible>
#include <QLineEdit>
#include <QRegularExpression>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using namespace harness;

namespace {

// What the bridge was told: the event, its object, and the object's name at that moment.
struct Heard
{
    QAccessible::Event type;
    QObject *object;
    QString name;
    QString description;
};

QList<Heard> heard;

void listen(QAccessibleEvent *event)
{
    // The game's spoken announcements have checks of their own.
    if (event->object() && event->object()->objectName() == QLatin1String("announcement"))
        return;
    QAccessibleInterface *accessible = event->accessibleInterface();
    heard.append({event->type(), event->object(), accessible ? accessible->text(QAccessible::Name) : QString(),
                  accessible ? accessible->text(QAccessible::Description) : QString()});
}

// The names an object was given by the events of one kind, in order.
QStringList heardOf(QObject *object, QAccessible::Event type)
{
    QStringList names;
    for (const Heard &h : std::as_const(heard)) {
        if (h.object == object && h.type == type)
            names << (type == QAccessible::DescriptionChanged ? h.description : h.name);
    }
    return names;
}

// The letters on the board's first row: C A T S, then the seeded deal.
const QString Letters = QStringLiteral("CATS");

bool showActive(Window &w)
{
    return w.show() && QTest::qWaitForWindowActive(w.window.get());
}

void type(Window &w, std::initializer_list<Qt::Key> keys)
{
    for (const Qt::Key key : keys)
        QTest::keyClick(w->windowHandle(), key);
}

QWidget *focused()
{
    return QApplication::focusWidget();
}

} // namespace

class tst_accessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { heard.clear(); }

    void focusFromStartUp_data();
    void focusFromStartUp();
    void tabOrderInPlay();
    void boardShowsItsFocus();
    void valuesAreSpokenAndAnnounced();
    void cursorTileIsFocused();
    void wordListAnnouncesWords();
    void nameBoxTakesTwentyCharacters();
    void f10OpensTheFirstMenu_data();
    void f10OpensTheFirstMenu();
};

void tst_accessibility::initTestCase()
{
    quietSizeHintNotes();
    // On the offscreen platform nothing switches accessibility on; a screen reader's bridge would.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler(listen);
    QVERIFY(QAccessible::isActive());
}

void tst_accessibility::focusFromStartUp_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("Start Game clicked") << false;
    QTest::newRow("Start Game by Tab and Space") << true;
}

void tst_accessibility::focusFromStartUp()
{
    QFETCH(bool, byKeyboard);
    Window w(Letters);
    QVERIFY(showActive(w));
    // The word buttons are disabled, so the list comes first.
    QCOMPARE(focused(), w.child(QStringLiteral("lstWords")));

    if (byKeyboard) {
        type(w, {Qt::Key_Tab});
        QCOMPARE(focused(), w.child(QStringLiteral("cmdStart")));
        type(w, {Qt::Key_Space});
    } else {
        w.press(QStringLiteral("cmdStart"));
    }
    QVERIFY(w.child(QStringLiteral("fraStart"))->isHidden());
    auto *board = w.child<BoardSurface>(QStringLiteral("board"));
    QCOMPARE(focused(), board);
    QVERIFY(board->cursorShown());
    // A screen reader hears the tile under the cursor last, not the board around it.
    QTRY_VERIFY(!heard.isEmpty() && heard.last().type == QAccessible::Focus && heard.last().object == w.tile(0));

    // The next key plays the board and the game goes on.
    type(w, {Qt::Key_Space});
    QVERIFY(w.child<QTimer>(QStringLiteral("tmrPlay"))->isActive());
    QVERIFY(w.child(QStringLiteral("fraStart"))->isHidden());
    QCOMPARE(w.text(QStringLiteral("lblWord")), QStringLiteral("C"));
}

void tst_accessibility::tabOrderInPlay()
{
    Window w(Letters);
    QVERIFY(showActive(w));
    w.press(QStringLiteral("cmdStart"));
    QStringList order;
    for (int i = 0; i < 6; ++i) {
        type(w, {Qt::Key_Tab});
        order << focused()->objectName();
    }
    // The window's order, then the board; Start Game is hidden while a game runs.
    QCOMPARE(order, (QStringList{"cmdEnter", "cmdClear", "cmdShuffle", "lstWords", "cmdFinish", "board"}));
}

void tst_accessibility::boardShowsItsFocus()
{
    Window w(Letters);
    QVERIFY(showActive(w));
    auto *board = w.child<BoardSurface>(QStringLiteral("board"));
    // A point of the focus frame, in the margin above the first tile.
    const QPoint frame = w.tile(0)->geometry().topLeft() + QPoint(4, -3);
    const QRgb plain = board->grab().toImage().pixel(frame);
    // The list, focused at start-up, is bordered in the highlight colour until the focus leaves.
    auto *list = w.child(QStringLiteral("lstWords"));
    const auto listBorder = [list] { return QColor(list->grab().toImage().pixel(0, list->height() / 2)); };
    QCOMPARE(listBorder(), list->palette().color(QPalette::Highlight));

    // Back from the list, past the disabled word buttons, to the board: the keyboard is on it.
    type(w, {Qt::Key_Backtab});
    QCOMPARE(focused(), board);
    QVERIFY(board->cursorShown());
    QVERIFY(board->grab().toImage().pixel(frame) != plain);
    QVERIFY(listBorder() != list->palette().color(QPalette::Highlight));

    type(w, {Qt::Key_Tab});
    QVERIFY(focused() != board);
    QCOMPARE(board->grab().toImage().pixel(frame), plain);
}

void tst_accessibility::valuesAreSpokenAndAnnounced()
{
    Window w(Letters);
    QVERIFY(showActive(w));
    w.press(QStringLiteral("cmdStart"));
    type(w, {Qt::Key_Space, Qt::Key_Right, Qt::Key_Space, Qt::Key_Right, Qt::Key_Space, Qt::Key_Return});
    w->game().tick();

    const auto points = [](const char *word) { return QString::number(TestGame::pointsOf(QLatin1String(word))); };
    const struct
    {
        const char *label;
        QStringList announced;
    } expected[] = {
        {"lblWord", {"C", "CA", "CAT", ""}},
        {"lblThisScore", {points("C"), points("CA"), points("CAT"), "0"}},
        {"lblScore", {points("CAT")}},
        {"lblTime", {"01:59"}},
    };
    for (const auto &[label, announced] : expected) {
        QWidget *box = w.child(QLatin1String(label));
        QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name), w.text(QLatin1String(label)));
        QStringList changes = heardOf(box, QAccessible::NameChanged);
        changes.removeAll(QString()); // a clear before each word is no news
        QStringList wanted = announced;
        wanted.removeAll(QString());
        QCOMPARE(changes.mid(changes.size() - wanted.size()), wanted);
    }
}

void tst_accessibility::cursorTileIsFocused()
{
    Window w(Letters);
    QVERIFY(showActive(w));
    w.press(QStringLiteral("cmdStart"));
    QTRY_VERIFY(!heard.isEmpty() && heard.last().object == w.tile(0));
    heard.clear();
    type(w, {Qt::Key_Right, Qt::Key_Down});

    const QStringList focusNames = [] {
        QStringList names;
        for (const Heard &h : std::as_const(heard)) {
            if (h.type == QAccessible::Focus)
                names << h.name;
        }
        return names;
    }();
    const QString tile21 = w.tile(21)->text() + QStringLiteral(", row 2, column 2");
    QCOMPARE(focusNames, (QStringList{QStringLiteral("A, row 1, column 2"), tile21}));
    QCOMPARE(heard.last().object, w.tile(21));

    QAccessibleInterface *under = QAccessible::queryAccessibleInterface(w.tile(21));
    QVERIFY(under->state().focused);
    QVERIFY(!QAccessible::queryAccessibleInterface(w.tile(1))->state().focused);

    // Picked, it says so; and with the focus elsewhere no tile claims it.
    type(w, {Qt::Key_Space});
    QCOMPARE(under->text(QAccessible::Name), tile21 + QStringLiteral(", in the current word"));
    type(w, {Qt::Key_Tab});
    QVERIFY(!under->state().focused);

    // Each game starts at the top left.
    w.child<QAction>(QStringLiteral("mnuNew"))->trigger();
    heard.clear();
    w.press(QStringLiteral("cmdStart"));
    QCOMPARE(w.child<BoardSurface>(QStringLiteral("board"))->cursor(), 0);
    QTRY_VERIFY(!heard.isEmpty() && heard.last().type == QAccessible::Focus && heard.last().object == w.tile(0));
}

void tst_accessibility::wordListAnnouncesWords()
{
    Window w(Letters);
    QVERIFY(showActive(w));
    w.press(QStringLiteral("cmdStart"));
    heard.clear(); // the list had the focus before the game
    type(w, {Qt::Key_Space, Qt::Key_Right, Qt::Key_Space, Qt::Key_Right, Qt::Key_Space, Qt::Key_Return});
    type(w, {Qt::Key_Left, Qt::Key_Space, Qt::Key_Right, Qt::Key_Space, Qt::Key_Right, Qt::Key_Space, Qt::Key_Return});
    QCOMPARE(w.words(), (QStringList{"CAT", "ATS"}));
    QWidget *list = w.child(QStringLiteral("lstWords"));
    QCOMPARE(heardOf(list, QAccessible::DescriptionChanged), (QStringList{"Last word played: CAT", "Last word played: ATS"}));
    // The game moves the list's current word, which a reader must not take for a move of the focus.
    QCOMPARE(focused(), w.child(QStringLiteral("board")));
    QCOMPARE(heardOf(list, QAccessible::Focus), QStringList());

    // With the focus on the list, the board's keys do nothing; the list may move its own selection.
    const auto played = [&w] {
        return snapshot(w).filter(QRegularExpression(QStringLiteral("^(?!selected=)")))
               << QString::number(w.child<BoardSurface>(QStringLiteral("board"))->cursor());
    };
    const QStringList before = played();
    list->setFocus(Qt::TabFocusReason);
    type(w, {Qt::Key_Left, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down, Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_T});
    QCOMPARE(played(), before);

    // A new board starts an empty list, and says so.
    w.child<QAction>(QStringLiteral("mnuNew"))->trigger();
    QCOMPARE(heardOf(list, QAccessible::DescriptionChanged).last(), QString());
}

void tst_accessibility::nameBoxTakesTwentyCharacters()
{
    Window w(Letters);
    QVERIFY(showActive(w));
    w.press(QStringLiteral("cmdStart"));
    type(w, {Qt::Key_Space, Qt::Key_Right, Qt::Key_Space, Qt::Key_Right, Qt::Key_Space, Qt::Key_Return});

    ModalScript boxes;
    boxes.then([](QWidget *box) {
        auto *edit = box->findChild<QLineEdit *>();
        QVERIFY(edit);
        QCOMPARE(edit->maxLength(), 20);
        // Typed from the keyboard alone: the name, then Return for OK.
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("Abcdefghijklmnopqrstuvwxy"));
        QCOMPARE(edit->text(), QStringLiteral("Abcdefghijklmnopqrst"));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    boxes.then([](QWidget *box) {
        // Escape answers the word question with No.
        QTest::keyClick(box, Qt::Key_Escape);
    });
    w.press(QStringLiteral("cmdFinish"));
    w->game().tick();
    QVERIFY(boxes.done());
    QCOMPARE(boxes.unexpected, QStringList());
    QCOMPARE(FileBytes::read(w.path(QStringLiteral("HighScore.kvz"))).left(ScoreBytes::RecordSize),
             ScoreBytes::record(1, TestGame::pointsOf(QStringLiteral("CAT")), "Abcdefghijklmnopqrst"));
    QVERIFY(!QFile::exists(w.path(QStringLiteral("Dictionary.kvz"))));
}

void tst_accessibility::f10OpensTheFirstMenu_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("F10") << QKeySequence(Qt::Key_F10);
    QTest::newRow("Alt+F, its access key") << QKeySequence(Qt::ALT | Qt::Key_F);
}

void tst_accessibility::f10OpensTheFirstMenu()
{
    QFETCH(QKeySequence, keys);

    Window w(Letters);
    QVERIFY(showActive(w));
    QSignalSpy spoken(&w->announcer(), &Announcer::spoken);
    QTest::keySequence(w->windowHandle(), keys);
    QTRY_COMPARE(QApplication::activePopupWidget(), w.child<QMenu>(QStringLiteral("mnuFile")));
    // Named by its caption alone: the access key's marker is neither heard nor the menu's title.
    QCOMPARE(spoken.value(0).value(0).toString(), QStringLiteral("File menu."));
    QCOMPARE(w.child<QMenu>(QStringLiteral("mnuFile"))->windowTitle(), QStringLiteral("File"));
    // Down and Return choose from it like any menu: "High Scores" shows the table.
    ModalScript boxes;
    boxes.then([](QWidget *box) {
        QCOMPARE(box->windowTitle(), QStringLiteral("Zentile - High Scores"));
        QTest::keyClick(box, Qt::Key_Return);
    });
    QWidget *menu = QApplication::activePopupWidget();
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
    QTRY_VERIFY(boxes.done());
    QCOMPARE(boxes.unexpected, QStringList());
}

QTEST_MAIN(tst_accessibility)
#include "tst_accessibility.moc"
