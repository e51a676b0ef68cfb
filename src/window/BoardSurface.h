// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// The window's client area: it carries the tiles, passes on their clicks and lets the
// keyboard play them. Tiles take their font and colour from it.
// Arrows move a cursor over the board, Space picks, Return submits, Escape clears.
class BoardSurface : public QWidget
{
    Q_OBJECT

public:
    explicit BoardSurface(QWidget *parent);

    int cursor() const { return m_cursor; }
    // The cursor is drawn only once the keyboard has been used on the board.
    bool cursorShown() const { return m_cursorShown; }
    // The tile's place on the surface, in pixels.
    static QRect tileRect(int index);

signals:
    void tileClicked(int index);
    void tileDoubleClicked(int index);
    void pickRequested(int index);
    void submitRequested();
    void clearRequested();
    void cursorMoved(int index);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void moveCursor(int rows, int columns);

    int m_cursor = 0;
    bool m_cursorShown = false;
};
