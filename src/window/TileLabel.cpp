// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/TileLabel.h"

#include <QMouseEvent>

TileLabel::TileLabel(int index, QWidget *parent)
    : QLabel(parent)
    , m_index(index)
{
    setObjectName(QStringLiteral("l(%1)").arg(index));
}

void TileLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void TileLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked(m_index);
}

void TileLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The release that follows a double click is no click of its own.
    m_pressed = false;
    if (event->button() == Qt::LeftButton)
        emit doubleClicked(m_index);
    else
        QLabel::mouseDoubleClickEvent(event);
}
