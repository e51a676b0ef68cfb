// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <vector>

class QMainWindow;
class QWidget;

// Scales the window's client area as one picture: every control's position, size and font
// follow the window by one factor, centred in whatever room the other side leaves. The
// window opens at the designed size where the screen has room for it, else at the largest
// size that fits.
class LayoutScale : public QObject
{
public:
    // Takes `surface` (the window's central widget) and everything placed on it, as they are
    // now, as the design at factor 1.
    LayoutScale(QMainWindow *window, QWidget *surface);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Placed
    {
        QPointer<QWidget> widget;
        QRect design;        // in the surface's coordinates
        QPoint parentOrigin; // the parent's top-left, likewise
    };
    struct Lettered
    {
        QPointer<QWidget> widget;
        QFont design;
    };

    void record(QWidget *container, QPoint origin);
    // Sizes the window for its screen, once, as it is first shown.
    void fitToScreen();
    int menuHeight() const;
    void apply();

    QMainWindow *m_window;
    QWidget *m_surface;
    QSize m_design;
    std::vector<Placed> m_placed;
    std::vector<Lettered> m_lettered;
    qreal m_factor = 1;
    QPointF m_offset;
    bool m_fitted = false;
};
