// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowHarness.h"
#include "window/ApplicationStyle.h"
#include "window/DeferredIconEngine.h"

#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyleFactory>

using namespace harness;

namespace {

// A whole board of known letters, so that every tile's caption can be checked.
QString knownBoard()
{
    const QString pattern = QStringLiteral("ZENTILEGAMBOQUXJRSWDFHKVYPC");
    QString board;
    for (int i = 0; i < 400; ++i)
        board += pattern.at(i % pattern.size());
    return board;
}

QString entry(const QAction *action)
{
    QString text;
    if (const QMenu *menu = QMenu::menuInAction(action))
        text = menu->objectName() + QLatin1Char(' ') + menu->title() + QStringLiteral(" >");
    else
        text = action->objectName() + QLatin1Char(' ') + (action->isSeparator() ? QStringLiteral("-") : action->text());
    if (action->isCheckable())
        text += action->isChecked() ? QStringLiteral(" [checked]") : QStringLiteral(" [unchecked]");
    if (!action->isEnabled())
        text += QStringLiteral(" [off]");
    if (!action->shortcut().isEmpty())
        text += QStringLiteral(" [%1]").arg(action->shortcut().toString());
    return text;
}

QStringList entries(const QList<QAction *> &actions)
{
    QStringList result;
    for (const QAction *action : actions)
        result << entry(action);
    return result;
}

} // namespace

class tst_startup : public QObject
{
    Q_OBJECT

private slots:
    void controls_data();
    void controls();
    void windowAndBoard();
    void timer();
    void menus_data();
    void menus();
    void allowAddWordsKeepsItsMark();
    void tabOrder();
    void shuffleChangesNothing();
    void exitCloses_data();
    void exitCloses();
    void onlineHelp_data();
    void onlineHelp();
    void overflowArrow_data();
    void overflowArrow();
    void deferredIconMadeOnce();
};

void tst_startup::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<int>("frame");     // labels only, else -1
    QTest::addColumn<int>("alignment"); // labels only: the horizontal part, else -1

    const int none = -1;
    const int box = QFrame::Box;
    const int plain = QFrame::NoFrame;
    const int left = Qt::AlignLeft;
    const int right = Qt::AlignRight;
    const int centre = Qt::AlignHCenter;
    const QString board = knownBoard();

    auto row = [](const char *name, const char *kind, const char *container, const QString &text, bool enabled,
                  bool shown, QRect geometry, int frame, int alignment) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(kind) << QString::fromLatin1(container)
                            << text << enabled << shown << geometry << frame << alignment;
    };
    row("fraStart", "QFrame", "board", {}, true, true, {0, 208, 473, 57}, none, none);
    row("cmdStart", "QPushButton", "fraStart", QStringLiteral("Start Game"), true, true, {144, 8, 185, 41}, none, none);
    row("Frame2", "QFrame", "board", {}, true, true, {480, 0, 113, 529}, none, none);
    row("cmdFinish", "QPushButton", "Frame2", QStringLiteral("Finish Game"), true, true, {24, 360, 57, 33}, none, none);
    row("lstWords", "QListWidget", "Frame2", {}, true, true, {8, 16, 97, 290}, none, none);
    row("cmdShuffle", "QPushButton", "Frame2", QStringLiteral("Shuffle"), false, true, {24, 400, 57, 33}, none, none);
    row("cmdClear", "QPushButton", "Frame2", QStringLiteral("Clear"), false, true, {24, 440, 57, 33}, none, none);
    row("cmdEnter", "QPushButton", "Frame2", QStringLiteral("Enter"), false, true, {24, 480, 57, 33}, none, none);
    row("lblAddTime", "QLabel", "Frame2", QStringLiteral("0"), true, false, {88, 328, 17, 17}, plain, left);
    row("lblThisScore", "QLabel", "Frame2", QStringLiteral("0"), true, true, {32, 328, 49, 17}, box, centre);
    row("Label4", "QLabel", "Frame2", QStringLiteral("This Word Score:"), true, true, {8, 312, 105, 17}, plain, left);
    row("Frame1", "QFrame", "board", {}, true, true, {8, 480, 473, 49}, none, none);
    row("lblTime", "QLabel", "Frame1", QStringLiteral("02:00"), true, true, {392, 16, 65, 17}, box, left);
    row("Label3", "QLabel", "Frame1", QStringLiteral("Time Remaining:"), true, true, {288, 16, 97, 17}, plain, right);
    row("lblWord", "QLabel", "Frame1", {}, true, true, {192, 16, 81, 17}, box, left);
    row("Label2", "QLabel", "Frame1", QStringLiteral("Current word:"), true, true, {104, 16, 81, 17}, plain, right);
    row("lblScore", "QLabel", "Frame1", QStringLiteral("0"), true, true, {56, 16, 41, 17}, box, left);
    row("Label1", "QLabel", "Frame1", QStringLiteral("Score:"), true, true, {8, 16, 41, 17}, plain, right);
    row("l(0)", "TileLabel", "board", board.mid(0, 1), true, true, {16, 16, 23, 23}, plain, centre);
    row("l(1)", "TileLabel", "board", board.mid(1, 1), true, true, {39, 16, 23, 23}, plain, centre);
    row("l(19)", "TileLabel", "board", board.mid(19, 1), true, true, {453, 16, 23, 23}, plain, centre);
    row("l(20)", "TileLabel", "board", board.mid(20, 1), true, true, {16, 39, 23, 23}, plain, centre);
    row("l(399)", "TileLabel", "board", board.mid(399, 1), true, true, {453, 453, 23, 23}, plain, centre);
}

void tst_startup::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, container);
    QFETCH(QString, text);
    QFETCH(bool, enabled);
    QFETCH(bool, shown);
    QFETCH(QRect, geometry);
    QFETCH(int, frame);
    QFETCH(int, alignment);

    Window w(knownBoard());
    QVERIFY(w.show());

    const QList<QWidget *> named = w->findChildren<QWidget *>(name);
    QCOMPARE(named.size(), 1);
    QWidget *widget = named.first();
    QVERIFY2(widget->inherits(qPrintable(kind)), widget->metaObject()->className());
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QString caption;
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        caption = button->text();
    else if (auto *label = qobject_cast<QLabel *>(widget))
        caption = label->text();
    QCOMPARE(caption, text);
    QCOMPARE(widget->isEnabled(), enabled);
    QCOMPARE(widget->isHidden(), !shown);
    QCOMPARE(widget->isVisibleTo(w.window.get()), shown);
    QCOMPARE(widget->geometry(), geometry);
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        QCOMPARE(int(label->frameShape()), frame);
        QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
    }
}

void tst_startup::windowAndBoard()
{
    const QString board = knownBoard();
    Window w(board);
    QVERIFY(w.show());

    QCOMPARE(w->windowTitle(), QStringLiteral("Zentile"));
    QCOMPARE(w->centralWidget()->objectName(), QStringLiteral("board"));
    QCOMPARE(w->centralWidget()->size(), QSize(599, 534));
    QVERIFY(w->centralWidget()->y() >= w->menuBar()->height());
    for (const QWidget *widget : {static_cast<QWidget *>(w.window.get()), w.child(QStringLiteral("cmdStart")),
                                  w.child(QStringLiteral("lblTime")), w.child(QStringLiteral("lstWords"))}) {
        QCOMPARE(widget->font().family(), QStringLiteral("Verdana"));
        QCOMPARE(widget->font().pointSizeF(), 8.25);
        QCOMPARE(widget->font().weight(), QFont::Normal);
        QVERIFY(!widget->font().italic() && !widget->font().underline() && !widget->font().strikeOut());
    }

    // 400 tiles in 20 rows of 20, none overlapping, each with its dealt letter and no border.
    QCOMPARE(w->findChildren<TileLabel *>().size(), 400);
    for (int i = 0; i < 400; ++i) {
        const TileLabel *tile = w.tile(i);
        QCOMPARE(tile->index(), i);
        QCOMPARE(tile->geometry(), QRect(16 + 23 * (i % 20), 16 + 23 * (i / 20), 23, 23));
        QCOMPARE(tile->text(), board.mid(i, 1));
        QVERIFY(tile->isVisibleTo(w.window.get()));
        QCOMPARE(tile->frameShape(), QFrame::NoFrame);
        QCOMPARE(tile->font().family(), QStringLiteral("Verdana"));
        QCOMPARE(tile->font().pointSizeF(), 12.75);
        QCOMPARE(tile->font().weight(), QFont::Normal);
    }
    // The start panel is drawn over the tiles beneath it.
    const QWidget *panel = w.child(QStringLiteral("fraStart"));
    QWidget *onTop = w->centralWidget()->childAt(QPoint(16 + 23 * 3 + 2, panel->y() + 2));
    QVERIFY(onTop == panel || panel->isAncestorOf(onTop));
}

void tst_startup::timer()
{
    Window w;
    const QList<QTimer *> timers = w->findChildren<QTimer *>(QStringLiteral("tmrPlay"));
    QCOMPARE(timers.size(), 1);
    QCOMPARE(timers.first()->interval(), 1000);
    QVERIFY(!timers.first()->isSingleShot());
    QVERIFY(!timers.first()->isActive());
}

void tst_startup::menus_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("menu bar") << QString() << QStringList{"mnuFile &File >", "mnuOptions &Options >", "mnuHelp &Help >"};
    QTest::newRow("mnuFile") << QStringLiteral("mnuFile")
                             << QStringList{"mnuNew New [Ctrl+N]", "mnuScores High Scores", "mnuReset Reset High Scores",
                                            "mnuSeperator -", "mnuExit Exit [Ctrl+Q]"};
    QTest::newRow("mnuOptions") << QStringLiteral("mnuOptions")
                                << QStringList{"mnuTime Time Limit >", "mnuSeperator3 - [off]", "mnuAdd Allow Add Words [checked]",
                                               "mnuVowel Chance Of Vowel [off]", "mnuTimeChar Chance Of Time Character [off]",
                                               "mnuConstant Chance Of Other Constant [off]"};
    QTest::newRow("mnuTime") << QStringLiteral("mnuTime")
                             << QStringList{"mnu30 00:30 [unchecked]", "mnu1 01:00 [unchecked]",
                                            "mnu130 01:30 [unchecked]", "mnu2 02:00 [checked]",
                                            "mnuSeperator2 -", "mnuCustom Custom"};
    QTest::newRow("mnuHelp") << QStringLiteral("mnuHelp") << QStringList{"mnuOnlineHelp Online Help [F1]"};
}

void tst_startup::menus()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, expected);

    Window w;
    QList<QAction *> actions;
    if (menu.isEmpty()) {
        actions = w->menuBar()->actions();
    } else {
        const QList<QMenu *> menus = w->findChildren<QMenu *>(menu);
        QCOMPARE(menus.size(), 1);
        actions = menus.first()->actions();
    }
    QCOMPARE(entries(actions), expected);
    // The separators are named entries of their own, and only they are separators.
    for (const QAction *action : std::as_const(actions))
        QCOMPARE(action->isSeparator(), action->objectName().startsWith(QLatin1String("mnuSeperator")));
}

void tst_startup::allowAddWordsKeepsItsMark()
{
    Window w;
    auto *allow = w.child<QAction>(QStringLiteral("mnuAdd"));
    const QStringList before = snapshot(w);
    for (int i = 0; i < 2; ++i) {
        allow->trigger();
        QVERIFY(allow->isChecked());
    }
    QCOMPARE(snapshot(w), before);
}

void tst_startup::tabOrder()
{
    Window w;
    // Once round the whole focus chain: these are the only stops, in this order.
    QWidget *const start = w.child(QStringLiteral("cmdEnter"));
    QStringList order;
    QWidget *widget = start;
    int steps = 0;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus)
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != start && ++steps < 5000);
    QCOMPARE(widget, start);
    QCOMPARE(order, (QStringList{"cmdEnter", "cmdClear", "cmdShuffle", "lstWords", "cmdStart", "cmdFinish", "board"}));
}

void tst_startup::shuffleChangesNothing()
{
    Window w(knownBoard());
    w.press(QStringLiteral("cmdStart"));
    for (int tile : {0, 1, 2})
        w.click(tile);
    w.press(QStringLiteral("cmdEnter"));
    w.click(20);
    w.click(21);
    QCOMPARE(w.words(), QStringList{QStringLiteral("ZEN")});
    QCOMPARE(w.text(QStringLiteral("lblWord")), knownBoard().mid(20, 2));
    auto *shuffle = w.child<QPushButton>(QStringLiteral("cmdShuffle"));
    QVERIFY(shuffle->isEnabled());

    const QStringList before = snapshot(w);
    QTest::mouseClick(shuffle, Qt::LeftButton);
    QCOMPARE(snapshot(w), before);
}

void tst_startup::exitCloses_data()
{
    QTest::addColumn<bool>("playing");
    QTest::newRow("waiting") << false;
    QTest::newRow("during a finished game") << true;
}

void tst_startup::exitCloses()
{
    QFETCH(bool, playing);

    Window w(knownBoard());
    QVERIFY(w.show());
    if (playing) {
        w.press(QStringLiteral("cmdStart"));
        for (int tile : {0, 1, 2})
            w.click(tile);
        w.press(QStringLiteral("cmdEnter"));
        w.press(QStringLiteral("cmdFinish"));
    }
    ModalScript boxes;
    w.child<QAction>(QStringLiteral("mnuExit"))->trigger();
    QVERIFY(!w->isVisible());
    QCOMPARE(boxes.seen, QStringList());
    QVERIFY(!QFile::exists(w.path(QStringLiteral("HighScore.kvz"))));
    QVERIFY(!QFile::exists(w.path(QStringLiteral("Dictionary.kvz"))));
}

void tst_startup::onlineHelp_data()
{
    QTest::addColumn<bool>("browser");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("a browser opens it") << true << QStringList();
    QTest::newRow("no browser: the address in a box")
        << false << QStringList{"Zentile | The help page could not be opened. Its address is:\n"
                                "https://zentile.example.org/blog/entry/zentile-game/"};
}

void tst_startup::onlineHelp()
{
    QFETCH(bool, browser);
    QFETCH(QStringList, boxes);

    Window w(knownBoard());
    w.browserOpens = browser;
    w.press(QStringLiteral("cmdStart"));
    w->game().tick();
    w.click(0);
    const QStringList before = snapshot(w);

    ModalScript script;
    if (!browser)
        script.then(ModalScript::answer(QMessageBox::Ok));
    w.child<QAction>(QStringLiteral("mnuOnlineHelp"))->trigger();
    QCOMPARE(script.seen, boxes);
    QCOMPARE(w.opened.size(), 1);
    const QUrl &url = w.opened.first();
    // Written out, so that a change to the window's constant fails here.
    QCOMPARE(url.toString(), QStringLiteral("https://zentile.example.org/blog/entry/zentile-game/"));
    QCOMPARE(url.scheme(), QStringLiteral("https"));
    QCOMPARE(url.path(), QStringLiteral("/blog/entry/zentile-game/"));
    // The game goes on untouched, its clock still running.
    QCOMPARE(snapshot(w), before);
    QVERIFY(w.child<QTimer>(QStringLiteral("tmrPlay"))->isActive());
    QCOMPARE(w.text(QStringLiteral("lblTime")), QStringLiteral("01:59"));
}

void tst_startup::overflowArrow_data()
{
    QTest::addColumn<int>("extent");
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("8 px") << 8 << 1.0;
    QTest::newRow("16 px") << 16 << 1.0;
    QTest::newRow("12 px, between two files") << 12 << 1.0;
    QTest::newRow("16 px at 1.5x") << 16 << 1.5;
    QTest::newRow("20 px at 2x") << 20 << 2.0;
    QTest::newRow("larger than any file") << 80 << 1.0;
}

// The arrow made late is, at every size and ratio, the one the base style makes at once.
void tst_startup::overflowArrow()
{
    QFETCH(int, extent);
    QFETCH(qreal, ratio);
    ApplicationStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
    const QIcon late = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    const QIcon early = style.baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    QVERIFY(!early.isNull());
    QCOMPARE(late.availableSizes(), early.availableSizes());
    const QSize size(extent, extent);
    QCOMPARE(late.actualSize(size), early.actualSize(size));
    const QPixmap latePixmap = late.pixmap(size, ratio);
    const QPixmap earlyPixmap = early.pixmap(size, ratio);
    QCOMPARE(latePixmap.devicePixelRatio(), earlyPixmap.devicePixelRatio());
    QCOMPARE(latePixmap.toImage(), earlyPixmap.toImage());

    // Painted as a tool button paints it, onto a device of that ratio.
    const auto painted = [&](const QIcon &icon) {
        QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        icon.paint(&painter, QRect(QPoint(3, 0), size));
        return image;
    };
    QCOMPARE(painted(late), painted(early));
}

void tst_startup::deferredIconMadeOnce()
{
    int made = 0;
    QPixmap red(8, 8);
    red.fill(Qt::red);
    const QIcon icon(new DeferredIconEngine([&] {
        ++made;
        return QIcon(red);
    }));
    const QIcon copy = icon;
    QCOMPARE(made, 0);
    QCOMPARE(copy.pixmap(8).toImage(), red.toImage());
    QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(8, 8)});
    QCOMPARE(made, 1);
}

QTEST_MAIN(tst_startup)
#include "tst_startup.moc"
