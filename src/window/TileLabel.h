// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

class BoardSurface;
class QPainter;

// A letter tile on the board: a press and release on it is a click, a double click is
// its own event; both are handed to the board, which owns all 400 tiles and draws them,
// letters and marks, in its own repaint.
class TileLabel : public QLabel
{
    Q_OBJECT

public:
    TileLabel(int index, BoardSurface *parent);

    int index() const { return m_index; }
    // What a screen reader says: the letter, its row and column, and whether it is in the word.
    QString spokenName() const;
    // True while the keyboard cursor of the focused board is on this tile.
    bool hasKeyboardCursor() const;
    // Tells assistive tools that the spoken name changed.
    void announceNameChange();
    // Draws the tile's frame as a label draws it, in `colour`, with `painter` at the tile's corner.
    void drawMark(QPainter &painter, const QColor &colour) const;

protected:
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    int m_index;
    bool m_pressed = false;
};
