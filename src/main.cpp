// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ApplicationStyle.h"
#include "window/frmZentile.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

int main(int argc, char *argv[])
{
    // The window class and the player's data folder both go by this name, whatever the binary's.
    QCoreApplication::setApplicationName(QStringLiteral("zentile"));
    QApplication app(argc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.zentile"));
    // Read as the PNG it is: left to guess, Qt offers the file to every image plugin first.
    QImageReader icon(QStringLiteral(":/icons/org.example.zentile.png"), "png");
    icon.setAutoDetectImageFormat(false);
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon.read())));
    ApplicationStyle::install();
    frmZentile window;
    window.show();
    return app.exec();
}
