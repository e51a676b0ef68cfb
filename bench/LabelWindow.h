// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QString>

#include <array>

// The floor of the window figures: a main window holding 400 one-letter labels laid out
// like the board, and nothing else.
class LabelWindow : public QMainWindow
{
public:
    static constexpr int Tiles = 400;

    LabelWindow()
    {
        constexpr int side = 20;
        constexpr int tilePixels = 23;
        constexpr int marginPixels = 16;
        auto *board = new QWidget(this);
        board->setFixedSize(599, 534);
        setCentralWidget(board);
        for (int i = 0; i < Tiles; ++i) {
            labels[i] = new QLabel(QString(QLatin1Char('A' + i % 26)), board);
            labels[i]->setGeometry(marginPixels + tilePixels * (i % side), marginPixels + tilePixels * (i / side),
                                   tilePixels, tilePixels);
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
