// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/BoardSurface.h"

#include "board/GameState.h"
#include "board/TileGrid.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int TwipsPerPixel = 15;

} // namespace

BoardSurface::BoardSurface(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("board"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Board"));
}

QRect BoardSurface::tileRect(int index)
{
    constexpr int Size = TileGrid::TileSize / TwipsPerPixel;
    constexpr int Margin = TileGrid::Margin / TwipsPerPixel;
    return {Margin + Size * (index % BoardSide), Margin + Size * (index / BoardSide), Size, Size};
}

void BoardSurface::moveCursor(int rows, int columns)
{
    const int row = std::clamp(m_cursor / BoardSide + rows, 0, BoardSide - 1);
    const int column = std::clamp(m_cursor % BoardSide + columns, 0, BoardSide - 1);
    const QRect before = tileRect(m_cursor);
    m_cursor = row * BoardSide + column;
    m_cursorShown = true;
    update(before.united(tileRect(m_cursor)).adjusted(-2, -2, 2, 2));
    emit cursorMoved(m_cursor);
}

void BoardSurface::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        moveCursor(0, -1);
        break;
    case Qt::Key_Right:
        moveCursor(0, 1);
        break;
    case Qt::Key_Up:
        moveCursor(-1, 0);
        break;
    case Qt::Key_Down:
        moveCursor(1, 0);
        break;
    case Qt::Key_Space:
        moveCursor(0, 0);
        emit pickRequested(m_cursor);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit submitRequested();
        break;
    case Qt::Key_Escape:
        emit clearRequested();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void BoardSurface::paintEvent(QPaintEvent *)
{
    if (!m_cursorShown)
        return;
    // Drawn beneath the tile, whose letter stays readable on top of it.
    QPainter painter(this);
    const QRect cell = tileRect(m_cursor);
    painter.fillRect(cell, palette().color(hasFocus() ? QPalette::Active : QPalette::Inactive, QPalette::Highlight).lighter(170));
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(cell.adjusted(1, 1, -1, -1));
}

void BoardSurface::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update(tileRect(m_cursor));
}

void BoardSurface::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update(tileRect(m_cursor));
}
