// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/frmZentile.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    // The window class and the player's data folder both go by this name, whatever the binary's.
    QCoreApplication::setApplicationName(QStringLiteral("zentile"));
    QApplication app(argc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.zentile"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/org.example.zentile.png")));
    frmZentile window;
    window.show();
    return app.exec();
}
