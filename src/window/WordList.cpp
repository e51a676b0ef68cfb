// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/WordList.h"

#include <QEvent>
#include <QPainter>

WordList::WordList(QWidget *parent)
    : QListWidget(parent)
{
}

bool WordList::event(QEvent *event)
{
    const bool handled = QListWidget::event(event);
    // The frame is painted here rather than in paintEvent, which paints the viewport. A style
    // sheet would draw the same border, at a cost of a millisecond at every start-up.
    if (event->type() == QEvent::Paint && hasFocus()) {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
    return handled;
}

void WordList::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    // QListView reports the new current word as focused whether or not the list has the focus.
    if (hasFocus())
        QListWidget::currentChanged(current, previous);
    else
        QAbstractItemView::currentChanged(current, previous);
}
