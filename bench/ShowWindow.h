// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <QWidget>
#include <QWindow>

// Shows a window and handles events until it is exposed, which is when its first paint is
// done. QTest::qWaitForWindowExposed sleeps 10 ms between polls, which would pad every
// start-up alike and flatter the ratio; polling here first makes it return at once.
inline bool showExposed(QWidget &window)
{
    window.show();
    const QDeadlineTimer deadline(5000);
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && !deadline.hasExpired())
        QCoreApplication::processEvents();
    const bool exposed = QTest::qWaitForWindowExposed(&window);
    QCoreApplication::processEvents();
    return exposed;
}

// The offscreen platform notes that it cannot pass a fixed-size window's size hints on,
// at every show; here that is noise.
inline void quietSizeHintNotes()
{
    static QtMessageHandler next = nullptr;
    next = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (!message.contains(QLatin1String("propagateSizeHints")) && next)
            next(type, context, message);
    });
}
