// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/TileLabel.h"

#include "core/Board.h"
#include "window/BoardSurface.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// Names tiles when asked rather than storing 400 strings at every deal.
class TileAccessible : public QAccessibleWidget
{
public:
    explicit TileAccessible(TileLabel *tile)
        : QAccessibleWidget(tile, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return tile()->spokenName();
        return QAccessibleWidget::text(kind);
    }

    // The tile under the keyboard cursor is the focused object, though the board holds the focus.
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = true;
        state.focused = tile()->hasKeyboardCursor();
        return state;
    }

private:
    const TileLabel *tile() const { return static_cast<const TileLabel *>(widget()); }
};

QAccessibleInterface *tileInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("TileLabel") && object && object->isWidgetType())
        return new TileAccessible(static_cast<TileLabel *>(object));
    return nullptr;
}

} // namespace

TileLabel::TileLabel(int index, BoardSurface *parent)
    : QLabel(parent)
    , m_index(index)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(tileInterface);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setObjectName(QLatin1String("l(") + QString::number(index) + QLatin1Char(')'));
    // Never painted on its own: the board draws it, which spares 400 paint events at every
    // repaint of the board. The board repaints a tile whose letter or mark changes.
    setUpdatesEnabled(false);
}

QString TileLabel::spokenName() const
{
    return static_cast<const BoardSurface *>(parentWidget())->spokenName(m_index);
}

bool TileLabel::hasKeyboardCursor() const
{
    return static_cast<const BoardSurface *>(parentWidget())->hasKeyboardCursor(m_index);
}

void TileLabel::announceNameChange()
{
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void TileLabel::drawMark(QPainter &painter, const QColor &colour) const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    option.palette.setColor(QPalette::WindowText, colour);
    style()->drawControl(QStyle::CE_ShapedFrame, &option, &painter, this);
}

void TileLabel::changeEvent(QEvent *event)
{
    // The board places the tile, draws its letter and repaints itself, marks included, when
    // its font or colours change. A label would work out its size again and ask its parent
    // for a layout, 400 times a resize.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        return;
    QLabel::changeEvent(event);
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
        static_cast<BoardSurface *>(parentWidget())->tileClicked(m_index);
}

void TileLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The release that follows a double click is no click of its own.
    m_pressed = false;
    if (event->button() == Qt::LeftButton)
        static_cast<BoardSurface *>(parentWidget())->tileDoubleClicked(m_index);
    else
        QLabel::mouseDoubleClickEvent(event);
}
