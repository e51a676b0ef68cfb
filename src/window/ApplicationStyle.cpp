// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ApplicationStyle.h"

#include "window/DeferredIconEngine.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

ApplicationStyle::ApplicationStyle(QStyle *base)
    : QProxyStyle(base)
{
}

void ApplicationStyle::install()
{
    // Wraps the style QApplication has already made, so that -style and QT_STYLE_OVERRIDE hold.
    QApplication::setStyle(new ApplicationStyle(QApplication::style()));
}

QIcon ApplicationStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                     const QWidget *widget) const
{
    // Every QMenuBar asks for the arrow when it is made, with no option, though it shows only
    // when the menus overflow.
    if (standardIcon != SP_ToolBarHorizontalExtensionButton || option)
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    const QPointer<QStyle> base = baseStyle();
    const QPointer<const QWidget> asker = widget;
    return QIcon(new DeferredIconEngine([base, asker] {
        // Made after a change of style, the arrow is the new style's.
        QStyle *style = base ? base.data() : QApplication::style();
        return style->standardIcon(SP_ToolBarHorizontalExtensionButton, nullptr, asker);
    }));
}
