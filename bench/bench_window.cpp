// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's deal and its build inside a running process, each against plain Qt labels
// doing the bare minimum. bench_launch times start-up as a player sees it.
#include "BenchTiming.h"
#include "GridWindow.h"
#include "LabelWindow.h"
#include "ShowWindow.h"

#include "game/Game.h"
#include "window/frmZentile.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

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

    void deal()
    {
        frmZentile window(services());
        QVERIFY(showExposed(window));
        LabelWindow labels;
        QVERIFY(showExposed(labels));

        Timed floor{"400 labels", [&] { labels.writeCaptions(); }, {}};
        Timed subject{"PopulateTiles", [&] { window.game().grid.PopulateTiles(); }, {}};
        timeInTurn({&floor, &subject}, 300, 4000, 3000, settle);
        printRatio("deal", subject, floor, 1.5);
    }

    // A resize of the shown window, from the request to the repaint done, over sizes from
    // the design's to twice it, growing and shrinking, each window through the same sizes.
    void resize()
    {
        frmZentile window(services());
        QVERIFY(showExposed(window));
        GridWindow grid;
        grid.resize(window.size());
        QVERIFY(showExposed(grid));
        const QSize design = window.size();
        QList<QSize> sizes;
        for (const qreal factor : {1.25, 1.5, 1.75, 2.0, 1.6, 1.2, 1.0})
            sizes << (QSizeF(design) * factor).toSize();
        const auto resizer = [&sizes](QWidget &shown) {
            return [&sizes, &shown, next = qsizetype(0)]() mutable {
                shown.resize(sizes[next++ % sizes.size()]);
                settle();
            };
        };
        Timed floor{"400 labels in a grid layout", resizer(grid), {}};
        Timed subject{"frmZentile", resizer(window), {}};
        timeInTurn({&floor, &subject}, 140, 1400, 6000, settle);
        printRatio("resize", subject, floor, 0.8);
    }

    // The window's own share of start-up: the process, Qt and the fonts are up already.
    void windowBuild()
    {
        // Built and shown on the clock, torn down off it.
        std::unique_ptr<QWidget> shown;
        bool exposed = true;
        const auto tearDown = [&] {
            shown.reset();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            settle();
        };
        Timed floor{"QMainWindow with 400 labels", [&] {
                        shown = std::make_unique<LabelWindow>();
                        exposed = showExposed(*shown) && exposed;
                    }, {}};
        Timed subject{"frmZentile", [&] {
                          shown = std::make_unique<frmZentile>(services());
                          exposed = showExposed(*shown) && exposed;
                      }, {}};
        timeInTurn({&floor, &subject}, 40, 400, 8000, tearDown);
        // A window that never came up would have been timed at the 5 s timeout.
        QVERIFY(exposed);
        printRatio("window-build", subject, floor, 1.15);
    }
};

int main(int argc, char *argv[])
{
#ifdef __GLIBC__
    // The offscreen backing store takes a new image at every size. Whether glibc hands the old
    // one's pages back to the system depends on where it lay in the heap, so either window
    // would pay for fresh pages by chance, and the figures would jump between runs.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
    QApplication app(argc, argv);
    BenchWindow bench;
    return QTest::qExec(&bench, argc, argv);
}
#include "bench_window.moc"
