// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowHarness.h"

#include <QScreen>

using namespace harness;

namespace {

// A laptop at 150 % (a 1366 by 768 screen seen as 911 by 512) and a large desktop beside it.
const char *const Screens = R"({"screens": [
    {"name": "small", "x": 0, "y": 0, "width": 911, "height": 512, "logicalDpi": 96, "logicalBaseDpi": 96},
    {"name": "large", "x": 911, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96}]})";

QScreen *screenNamed(const QString &name)
{
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen->name() == name)
            return screen;
    }
    return nullptr;
}

// Placed on `screen`, as a desktop places a new window.
bool showOn(Window &w, const QString &screen)
{
    w->move(screenNamed(screen)->geometry().topLeft());
    return w.show();
}

} // namespace

class tst_scaling : public QObject
{
    Q_OBJECT

private slots:
    void designedSizeWhereItFits();
    void shrinksToASmallScreen();
    void resizeScalesTheBoard_data();
    void resizeScalesTheBoard();
};

void tst_scaling::designedSizeWhereItFits()
{
    Window design;
    Window w;
    QVERIFY(showOn(w, QStringLiteral("large")));
    QCOMPARE(w->centralWidget()->size(), QSize(599, 534));
    QCOMPARE(w.tile(399)->geometry(), QRect(453, 453, 23, 23));
    QCOMPARE(w.child(QStringLiteral("cmdEnter"))->mapTo(w->centralWidget(), QPoint()), QPoint(504, 480));
    // Every control where the design puts it, in the fonts it gives them.
    const QList<QWidget *> before = design->centralWidget()->findChildren<QWidget *>();
    const QList<QWidget *> after = w->centralWidget()->findChildren<QWidget *>();
    QCOMPARE(after.size(), before.size());
    for (int i = 0; i < after.size(); ++i) {
        QCOMPARE(after[i]->objectName(), before[i]->objectName());
        QCOMPARE(after[i]->geometry(), before[i]->geometry());
        QCOMPARE(after[i]->font(), before[i]->font());
    }
}

void tst_scaling::shrinksToASmallScreen()
{
    Window w;
    QVERIFY(showOn(w, QStringLiteral("small")));
    const QRect available = screenNamed(QStringLiteral("small"))->availableGeometry();
    QVERIFY2(available.contains(w->frameGeometry()), qPrintable(QDebug::toString(w->frameGeometry())));
    QCOMPARE(w->screen()->name(), QStringLiteral("small"));
    for (const QWidget *control : w->findChildren<QWidget *>()) {
        if (control->isVisible() && !control->isWindow()) {
            const QRect global(control->mapToGlobal(QPoint()), control->size());
            QVERIFY2(available.contains(global), qPrintable(control->objectName()));
        }
    }
    QVERIFY(w.tile(0)->width() < 23);
    QVERIFY(w.child(QStringLiteral("board"))->font().pointSizeF() < 12.75);

    // No tile the start panel cuts shows outside it and its margin; a game uncovers them.
    const QWidget *panel = w.child(QStringLiteral("fraStart"));
    const QRect covered = panel->geometry() | w.child(QStringLiteral("fraStartMargin"))->geometry();
    for (int i = 0; i < 400; ++i) {
        if (w.tile(i)->geometry().intersects(panel->geometry()))
            QVERIFY2(covered.contains(w.tile(i)->geometry()), qPrintable(QString::number(i)));
    }
    w.press(QStringLiteral("cmdStart"));
    QVERIFY(!w.child(QStringLiteral("fraStartMargin"))->isVisible());
}

void tst_scaling::resizeScalesTheBoard_data()
{
    QTest::addColumn<QSize>("board");
    QTest::newRow("double") << QSize(1198, 1068);
    QTest::newRow("wide, letterboxed") << QSize(1400, 801);
    QTest::newRow("tall, letterboxed") << QSize(300, 900);
}

void tst_scaling::resizeScalesTheBoard()
{
    QFETCH(QSize, board);
    Window w;
    QVERIFY(showOn(w, QStringLiteral("large")));
    QWidget *surface = w->centralWidget();
    w->resize(w->size() + board - surface->size());
    QCOMPARE(surface->size(), board);
    // One factor, the picture centred in the room the other side leaves.
    const qreal factor = qMin(board.width() / 599.0, board.height() / 534.0);
    QVERIFY(qAbs(w.tile(0)->x() - ((board.width() - 599 * factor) / 2 + 16 * factor)) <= 1);
    QVERIFY(qAbs(w.tile(0)->y() - ((board.height() - 534 * factor) / 2 + 16 * factor)) <= 1);
    QVERIFY(qAbs(w.tile(0)->width() - 23 * factor) <= 1 && qAbs(w.tile(0)->height() - 23 * factor) <= 1);
    QCOMPARE(w.tile(1)->x(), w.tile(0)->geometry().right() + 1);
    QCOMPARE(w.child(QStringLiteral("lblTime"))->font().pointSizeF(), 8.25 * factor);
    QCOMPARE(w.child(QStringLiteral("board"))->font().pointSizeF(), 12.75 * factor);
}

int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    QFile config(dir.filePath(QStringLiteral("screens.json")));
    if (!config.open(QIODevice::WriteOnly) || config.write(Screens) < 0)
        return 1;
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    tst_scaling test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scaling.moc"
