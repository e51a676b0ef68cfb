// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/LayoutScale.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {

// Much below this the letters cannot be read: the player may shrink the window no further,
// unless the screen itself is smaller.
constexpr qreal SmallestFactor = 0.5;

} // namespace

LayoutScale::LayoutScale(QMainWindow *window, QWidget *surface)
    : QObject(surface)
    , m_window(window)
    , m_surface(surface)
    , m_design(surface->size())
{
    m_lettered.push_back({surface, surface->font()});
    record(surface, QPoint());
    surface->setMinimumSize((QSizeF(m_design) * SmallestFactor).toSize());
    surface->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    surface->installEventFilter(this);
    window->installEventFilter(this);
    // Laid out at the design from the start: a first show at any other size would scale
    // every font twice before the window is fitted to its screen.
    window->resize(m_design + QSize(0, menuHeight()));
}

void LayoutScale::record(QWidget *container, QPoint origin)
{
    // A scroll area lays out its own viewport and bars.
    if (qobject_cast<QAbstractScrollArea *>(container))
        return;
    for (QWidget *child : container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        m_placed.push_back({child, child->geometry().translated(origin), origin});
        if (child->testAttribute(Qt::WA_SetFont))
            m_lettered.push_back({child, child->font()});
        record(child, origin + child->pos());
    }
}

bool LayoutScale::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_surface && event->type() == QEvent::Resize)
        apply();
    else if (watched == m_window && event->type() == QEvent::Show && !m_fitted)
        fitToScreen();
    return QObject::eventFilter(watched, event);
}

void LayoutScale::fitToScreen()
{
    m_fitted = true;
    const QScreen *screen = m_window->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    // The frame is known only once the window manager has framed the window: until then,
    // allow for a title bar and thin borders.
    QMargins frame = m_window->windowHandle() ? m_window->windowHandle()->frameMargins() : QMargins();
    if (frame.isNull()) {
        const int border = m_window->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 2;
        frame = QMargins(border, m_window->style()->pixelMetric(QStyle::PM_TitleBarHeight) + border, border, border);
    }
    const int menu = menuHeight();
    const QSize room = available.size().shrunkBy(frame) - QSize(0, menu);
    const qreal fit = std::min({1.0, qreal(room.width()) / m_design.width(), qreal(room.height()) / m_design.height()});
    if (fit < SmallestFactor) {
        m_surface->setMinimumSize((QSizeF(m_design) * fit).toSize());
        m_window->layout()->activate();
    }
    if (fit >= 1) {
        m_window->resize(m_design + QSize(0, menu));
        return;
    }
    // Placed by its client area, which does not wait for the frame to be known.
    const QSize client(std::floor(m_design.width() * fit), std::floor(m_design.height() * fit) + menu);
    const QSize outer = client.grownBy(frame);
    const QPoint corner((available.width() - outer.width()) / 2 + frame.left(),
                        (available.height() - outer.height()) / 2 + frame.top());
    m_window->setGeometry(QRect(available.topLeft() + corner, client));
}

int LayoutScale::menuHeight() const
{
    return m_window->menuWidget() ? m_window->menuWidget()->sizeHint().height() : 0;
}

void LayoutScale::apply()
{
    const QSize size = m_surface->size();
    const qreal factor = std::min(qreal(size.width()) / m_design.width(), qreal(size.height()) / m_design.height());
    const QPointF offset((size.width() - m_design.width() * factor) / 2, (size.height() - m_design.height() * factor) / 2);
    if (factor == m_factor && offset == m_offset)
        return;
    const bool refont = factor != m_factor;
    m_factor = factor;
    m_offset = offset;
    // Edges are scaled rather than sizes, so that controls which touch in the design still touch.
    const auto at = [this](QPoint point) {
        return QPoint(qRound(m_offset.x() + point.x() * m_factor), qRound(m_offset.y() + point.y() * m_factor));
    };
    for (const Placed &placed : m_placed) {
        if (placed.widget) {
            const QPoint start = at(placed.design.topLeft());
            const QPoint end = at(placed.design.topLeft() + QPoint(placed.design.width(), placed.design.height()));
            const QPoint origin = placed.widget->parentWidget() == m_surface ? QPoint() : at(placed.parentOrigin);
            placed.widget->setGeometry(QRect(start - origin, QSize(end.x() - start.x(), end.y() - start.y())));
        }
    }
    if (!refont)
        return;
    for (const Lettered &lettered : m_lettered) {
        if (!lettered.widget)
            continue;
        QFont font = lettered.design;
        if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * m_factor);
        else
            font.setPixelSize(std::max(1, qRound(font.pixelSize() * m_factor)));
        lettered.widget->setFont(font);
    }
}
