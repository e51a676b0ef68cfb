// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>
#include <QString>

// The floor of the resize figure: a main window whose 400 one-letter labels a grid layout
// places, so that every resize moves and sizes each of them.
class GridWindow : public QMainWindow
{
public:
    GridWindow()
    {
        constexpr int side = 20;
        auto *board = new QWidget(this);
        auto *grid = new QGridLayout(board);
        grid->setSpacing(0);
        for (int i = 0; i < side * side; ++i)
            grid->addWidget(new QLabel(QString(QLatin1Char('A' + i % 26)), board), i / side, i % side);
        setCentralWidget(board);
    }
};
