// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/DeferredIconEngine.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>

#include <utility>

DeferredIconEngine::DeferredIconEngine(std::function<QIcon()> make)
    : m_make(std::move(make))
{
}

QIcon &DeferredIconEngine::icon()
{
    if (m_make)
        m_icon = std::exchange(m_make, nullptr)();
    return m_icon;
}

// The rectangle comes aligned already; QIcon::paint() would align it to the made icon again.
void DeferredIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    const QPaintDevice *device = painter->device();
    const qreal ratio = device ? device->devicePixelRatio() : qApp->devicePixelRatio();
    painter->drawPixmap(rect, icon().pixmap(rect.size(), ratio, mode, state));
}

QSize DeferredIconEngine::actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return pixmap(size, mode, state).size();
}

// A ratio of 1 hands the size to the made icon's engine as it came to this one.
QPixmap DeferredIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return icon().pixmap(size, 1.0, mode, state);
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
// From 6.8 the size comes in device-independent pixels, as QIcon::pixmap() takes it.
QPixmap DeferredIconEngine::scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale)
{
    return icon().pixmap(size, scale, mode, state);
}
#endif

void DeferredIconEngine::addPixmap(const QPixmap &pixmap, QIcon::Mode mode, QIcon::State state)
{
    icon().addPixmap(pixmap, mode, state);
}

void DeferredIconEngine::addFile(const QString &fileName, const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    icon().addFile(fileName, size, mode, state);
}

QList<QSize> DeferredIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    return icon().availableSizes(mode, state);
}

QString DeferredIconEngine::iconName()
{
    return icon().name();
}

bool DeferredIconEngine::isNull()
{
    return icon().isNull();
}

QIconEngine *DeferredIconEngine::clone() const
{
    return new DeferredIconEngine(*this);
}
