// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the way src/main.cpp does, prints "shown" once the window's first frame is out,
// and quits. Built twice: launch_game with frmZentile, launch_bare with the labels floor.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <cstdio>

#ifdef ZENTILE_LAUNCH_GAME
#include "window/ApplicationStyle.h"
#include "window/frmZentile.h"
using Shown = frmZentile;
#else
#include "LabelWindow.h"
using Shown = LabelWindow;
#endif

namespace {

// Watches every event of the process for the first expose of a window. A widget window
// paints and flushes inside that event, so the frame is out when the event loop comes back.
class FirstFrame : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_seen && event->type() == QEvent::Expose) {
            const auto *window = qobject_cast<QWindow *>(watched);
            if (window && window->isExposed()) {
                m_seen = true;
                QTimer::singleShot(0, [] {
                    std::fputs("shown\n", stdout);
                    std::fflush(stdout);
                    QCoreApplication::quit();
                });
            }
        }
        return false;
    }

private:
    bool m_seen = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
#ifdef ZENTILE_LAUNCH_GAME
    ApplicationStyle::install();
#endif
    FirstFrame firstFrame;
    app.installEventFilter(&firstFrame);
    Shown window;
    window.show();
    return app.exec();
}
