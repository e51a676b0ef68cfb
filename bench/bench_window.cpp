// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's deal and start-up, each against plain Qt labels doing the bare minimum.
#include "BenchTiming.h"
#include "ShowWindow.h"

#include "board/TileGrid.h"
#include "clock/Game.h"
#include "window/frmZentile.h"

#include <QLabel>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <memory>
#include <vector>

namespace {

constexpr int Tiles = 400;
constexpr int Side = 20;
constexpr int TilePixels = 23;
constexpr int MarginPixels = 16;

// The floor: a main window holding 400 one-letter labels laid out like the board.
class LabelWindow : public QMainWindow
{
public:
    LabelWindow()
    {
        auto *board = new QWidget(this);
        board->setFixedSize(599, 534);
        setCentralWidget(board);
        for (int i = 0; i < Tiles; ++i) {
            labels[i] = new QLabel(QString(QLatin1Char('A' + i % 26)), board);
            labels[i]->setGeometry(MarginPixels + TilePixels * (i % Side), MarginPixels + TilePixels * (i / Side),
                                   TilePixels, TilePixels);
        }
    }

    // Writes a letter to every label, each one different from the label's last.
    void writeCaptions()
    {
        ++m_shift;
        for (int i = 0; i < Tiles; ++i)
            labels[i]->setText(m_letters[(i + m_shift) % 26]);
    }

    std::array<QLabel *, Tiles> labels{};

private:
    const std::array<QString, 26> m_letters = [] {
        std::array<QString, 26> letters;
        for (int c = 0; c < 26; ++c)
            letters[c] = QString(QLatin1Char('A' + c));
        return letters;
    }();
    int m_shift = 0;
};

// Lets queued paints and layout requests run, outside the timed part.
void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

} // namespace

class BenchWindow : public QObject
{
    Q_OBJECT

private:
    WindowServices services() const
    {
        WindowServices services;
        services.dataDir = m_dir.path();
        return services;
    }

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        quietSizeHintNotes();
        // The first window of a process loads fonts and styles; neither side should pay for it.
        frmZentile warmWindow(services());
        QVERIFY(showExposed(warmWindow));
        LabelWindow warmLabels;
        QVERIFY(showExposed(warmLabels));
    }

    // Qt Test calls a function with QBENCHMARK again and again until its figure settles,
    // so the side-by-side ratios are measured in functions of their own.
    void dealRatio()
    {
        frmZentile window(services());
        QVERIFY(showExposed(window));
        LabelWindow labels;
        QVERIFY(showExposed(labels));

        Timed floor{"400 labels", [&] { labels.writeCaptions(); }, {}};
        Timed subject{"PopulateTiles", [&] { window.game().grid().PopulateTiles(); }, {}};
        timeInTurn({&floor, &subject}, 300, 4000, 3000, settle);
        printRatio("deal", subject, floor, 1.5);
    }

    void startUpRatio()
    {
        // Built and shown on the clock, torn down off it.
        std::unique_ptr<QWidget> shown;
        const auto tearDown = [&] {
            shown.reset();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            settle();
        };
        Timed floor{"QMainWindow with 400 labels", [&] {
                        shown = std::make_unique<LabelWindow>();
                        showExposed(*shown);
                    }, {}};
        Timed subject{"frmZentile", [&] {
                          shown = std::make_unique<frmZentile>(services());
                          showExposed(*shown);
                      }, {}};
        timeInTurn({&floor, &subject}, 40, 400, 8000, tearDown);
        printRatio("start-up", subject, floor, 1.2);
    }

    void deal()
    {
        frmZentile window(services());
        QVERIFY(showExposed(window));
        QBENCHMARK {
            window.game().grid().PopulateTiles();
        }
    }

    void startUp()
    {
        // Kept until the end, so that no teardown falls inside the measured block.
        std::vector<std::unique_ptr<frmZentile>> windows;
        QBENCHMARK {
            windows.push_back(std::make_unique<frmZentile>(services()));
            showExposed(*windows.back());
        }
    }
};

QTEST_MAIN(BenchWindow)
#include "bench_window.moc"
