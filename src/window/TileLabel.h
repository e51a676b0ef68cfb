// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A letter tile: a press and release on it is a click, a double click is its own event.
class TileLabel : public QLabel
{
    Q_OBJECT

public:
    TileLabel(int index, QWidget *parent);

    int index() const { return m_index; }

signals:
    void clicked(int index);
    void doubleClicked(int index);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    int m_index;
    bool m_pressed = false;
};
