// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowHarness.h"

#include "window/BoardSurface.h"

#include <QImage>
#include <QScreen>
#include <QTemporaryFile>

using namespace harness;

// A 1366 by 768 laptop at 150 %, and a large desktop to its right. A new window is placed
// at a screen's top left, as a desktop places it.
static const char Screens[] = R"({"screens": [
    {"name": "small", "x": 0, "y": 0, "width": 911, "height": 512, "logicalDpi": 96, "logicalBaseDpi": 96},
    {"name": "large", "x": 911, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96}]})";
static const QPoint Small(0, 0), Large(911, 0);

class tst_scaling : public QObject
{
    Q_OBJECT

private slots:
    void shrinksToASmallScreen()
    {
        Window w;
        w->move(Small);
        QVERIFY(w.show());
        const QRect available = w->screen()->availableGeometry();
        QVERIFY(available.contains(w->frameGeometry()));
        for (const QWidget *control : w->findChildren<QWidget *>()) {
            if (control->isVisible() && !control->isWindow())
                QVERIFY2(available.contains(QRect(control->mapToGlobal(QPoint()), control->size())), qPrintable(control->objectName()));
        }
        QVERIFY(w.tile(0)->width() < 23);

        // No tile the start panel cuts shows outside it and its margin; a game uncovers them.
        const QRect panel = w.child(QStringLiteral("fraStart"))->geometry();
        const QRect covered = panel | w.child(QStringLiteral("fraStartMargin"))->geometry();
        for (int i = 0; i < 400; ++i) {
            if (w.tile(i)->geometry().intersects(panel))
                QVERIFY2(covered.contains(w.tile(i)->geometry()), qPrintable(QString::number(i)));
        }
        w.press(QStringLiteral("cmdStart"));
        QVERIFY(!w.child(QStringLiteral("fraStartMargin"))->isVisible());
    }

    void resizeScalesTheBoard_data()
    {
        QTest::addColumn<QSize>("board");
        QTest::newRow("as designed") << QSize(599, 534);
        QTest::newRow("double") << QSize(1198, 1068);
        QTest::newRow("wide, letterboxed") << QSize(1400, 801);
        QTest::newRow("tall, letterboxed") << QSize(300, 900);
    }

    void resizeScalesTheBoard()
    {
        QFETCH(QSize, board);
        Window w;
        w->move(Large);
        QVERIFY(w.show());
        QCOMPARE(w->centralWidget()->size(), QSize(599, 534)); // the designed size where it fits
        w->resize(w->size() + board - w->centralWidget()->size());
        QCOMPARE(w->centralWidget()->size(), board);
        // One factor, the picture centred in the room the other side leaves.
        const qreal factor = qMin(board.width() / 599.0, board.height() / 534.0);
        QVERIFY(qAbs(w.tile(0)->x() - ((board.width() - 599 * factor) / 2 + 16 * factor)) <= 1);
        QVERIFY(qAbs(w.tile(0)->y() - ((board.height() - 534 * factor) / 2 + 16 * factor)) <= 1);
        QVERIFY(qAbs(w.tile(0)->width() - 23 * factor) <= 1 && qAbs(w.tile(0)->height() - 23 * factor) <= 1);
        QCOMPARE(w.tile(1)->x(), w.tile(0)->geometry().right() + 1);
        QCOMPARE(w.child(QStringLiteral("lblTime"))->font().pointSizeF(), 8.25 * factor);
        QCOMPARE(w.child(QStringLiteral("board"))->font().pointSizeF(), 12.75 * factor);

        // At its designed size every control is where and as the never-shown layout has it;
        // a list lays out its own scroll bars and viewport once it is first shown.
        Window design;
        const auto controls = [](Window &window) {
            QList<QWidget *> named = window->centralWidget()->findChildren<QWidget *>();
            named.removeIf([](const QWidget *widget) { return widget->objectName().startsWith(QLatin1String("qt_")); });
            return named;
        };
        const QList<QWidget *> before = controls(design);
        const QList<QWidget *> after = controls(w);
        QCOMPARE(after.size(), before.size());
        for (int i = 0; factor == 1 && i < after.size(); ++i) {
            QCOMPARE(after[i]->geometry(), before[i]->geometry());
            QCOMPARE(after[i]->font(), before[i]->font());
        }
    }

    // The board draws the letters itself, once per letter and size, and copies them to the tiles:
    // each must look exactly as the tile's own label would draw it, after any resize.
    void lettersAsTheirLabelsDrawThem_data()
    {
        QTest::addColumn<QList<QSize>>("boards");
        QTest::newRow("as designed") << QList<QSize>{{599, 534}};
        QTest::newRow("grown by an odd factor") << QList<QSize>{{599, 534}, {823, 734}};
        QTest::newRow("shrunk after growing") << QList<QSize>{{1198, 1068}, {700, 640}};
    }

    void lettersAsTheirLabelsDrawThem()
    {
        QFETCH(QList<QSize>, boards);
        Window w;
        w->move(Large);
        QVERIFY(w.show());
        QWidget *board = w->centralWidget();
        QImage shot;
        for (const QSize &size : boards) {
            w->resize(w->size() + size - board->size());
            QCOMPARE(board->size(), size);
            shot = board->grab().toImage();
        }
        const QRect covered = w.child(QStringLiteral("fraStartMargin"))->geometry();
        for (int i = 0; i < 400; ++i) {
            if (w.tile(i)->geometry().intersects(covered))
                continue;
            QLabel label(w.tile(i)->text());
            label.setAlignment(Qt::AlignCenter);
            label.setFont(board->font());
            QPalette ink = board->palette();
            ink.setColor(QPalette::WindowText, w->findChild<BoardSurface *>()->letterColour());
            label.setPalette(ink);
            label.resize(w.tile(i)->size());
            QImage drawn(label.size(), shot.format());
            drawn.fill(board->palette().color(QPalette::Window));
            label.render(&drawn, QPoint(), QRegion(), QWidget::DrawChildren);
            QVERIFY2(shot.copy(w.tile(i)->geometry()) == drawn, qPrintable(w.tile(i)->objectName()));
        }
    }
};

int main(int argc, char *argv[])
{
    QTemporaryFile config;
    if (!config.open() || config.write(Screens) < 0 || !config.flush())
        return 1;
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    tst_scaling test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scaling.moc"
