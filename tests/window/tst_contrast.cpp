// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowHarness.h"

#include "window/ReadableColours.h"

#include <QImage>
#include <QPalette>
#include <QScopeGuard>

using namespace harness;

namespace {

// A palette as qt6ct writes one: 21 colours in QPalette's role order, for every group.
QPalette qt6ctPalette(const QString &colours)
{
    QPalette palette;
    const QStringList list = colours.split(QStringLiteral(", "));
    for (int role = 0; role < list.size(); ++role)
        palette.setColor(QPalette::ColorRole(role), QColor(list.at(role)));
    return palette;
}

// The strongest contrast inside `area` against its commonest colour, `ground`: the text on it.
double shownContrast(const QImage &shot, const QRect &area, QRgb *ground = nullptr)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[shot.pixel(x, y)];
    const QList<QRgb> colours = counts.keys();
    const QRgb commonest = *std::max_element(colours.begin(), colours.end(), [&](QRgb a, QRgb b) { return counts[a] < counts[b]; });
    if (ground)
        *ground = commonest;
    double best = 1;
    for (const QRgb colour : colours)
        best = std::max(best, ReadableColours::contrast(colour, commonest));
    return best;
}

} // namespace

class tst_contrast : public QObject
{
    Q_OBJECT

private slots:
    void readableInEveryPalette_data();
    void readableInEveryPalette();
};

void tst_contrast::readableInEveryPalette_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("default light") << QApplication::palette();
    QTest::newRow("qt6ct darker") << qt6ctPalette(QStringLiteral(
        "#ffffff, #424245, #979797, #5e5c5b, #302f2e, #4a4947, #ffffff, #ffffff, #ffffff, #3d3d3d, #222020, "
        "#e7e4e0, #12608a, #f9f9f9, #0986d3, #a70b06, #5c5b5a, #ffffff, #3f3f36, #ffffff, #80ffffff"));
    QTest::newRow("high contrast") << qt6ctPalette(QStringLiteral(
        "#ffffff, #000000, #ffffff, #c0c0c0, #808080, #a0a0a0, #ffffff, #ffffff, #ffffff, #000000, #000000, "
        "#000000, #1aebff, #000000, #ffff00, #c0c0ff, #202020, #000000, #000000, #ffffff, #c0c0c0"));
}

void tst_contrast::readableInEveryPalette()
{
    QFETCH(QPalette, palette);

    // Built in the start-up palette, then told of the desktop's.
    const QPalette startUp = QApplication::palette();
    Window w(QStringLiteral("QUIZKATS"));
    QApplication::setPalette(palette);
    const auto restore = qScopeGuard([&startUp] { QApplication::setPalette(startUp); });
    QVERIFY(w.show() && QTest::qWaitForWindowActive(w.window.get()));
    w.press(QStringLiteral("cmdStart"));
    // Tile 0 picked, the keyboard cursor on tile 1.
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Right})
        QTest::keyClick(w->windowHandle(), key);
    QCoreApplication::processEvents();
    const QImage shot = w->grab().toImage();
    const auto area = [&w](QWidget *widget, int inset) {
        return QRect(widget->mapTo(w.window.get(), QPoint()), widget->size()).adjusted(inset, inset, -inset, -inset);
    };

    // Inside the tiles' marks and the cursor's outline, whose own contrast is checked next.
    QRgb board = 0;
    for (const int tile : {0, 1, 2})
        QVERIFY2(shownContrast(shot, area(w.tile(tile), 3), tile == 2 ? &board : nullptr) >= 4.5, qPrintable(w.tile(tile)->objectName()));
    for (const QRect &edge : {area(w.tile(0), 0), area(w.tile(1), 1)})
        QVERIFY(ReadableColours::contrast(shot.pixel(edge.left(), edge.center().y()), board) >= 3);
    for (const char *name : {"lblScore", "lblTime", "lblWord", "lblThisScore", "Label1", "Label2", "Label3", "Label4"})
        QVERIFY2(shownContrast(shot, area(w.child(QLatin1String(name)), 2)) >= 4.5, name);
}

QTEST_MAIN(tst_contrast)
#include "tst_contrast.moc"
