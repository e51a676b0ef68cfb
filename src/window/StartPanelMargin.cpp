// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/StartPanelMargin.h"

#include "window/TileLabel.h"

#include <QEvent>

StartPanelMargin::StartPanelMargin(QWidget *panel)
    : QWidget(panel->parentWidget())
    , m_panel(panel)
{
    setObjectName(panel->objectName() + QStringLiteral("Margin"));
    QRect cut;
    for (const TileLabel *tile : parentWidget()->findChildren<TileLabel *>(Qt::FindDirectChildrenOnly)) {
        if (tile->geometry().intersects(panel->geometry()))
            cut |= tile->geometry();
    }
    setGeometry(cut);
    setPalette(panel->palette());
    setAutoFillBackground(true);
    stackUnder(panel);
    setVisible(!panel->isHidden());
    panel->installEventFilter(this);
}

bool StartPanelMargin::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_panel && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        setVisible(event->type() == QEvent::ShowToParent);
    return QWidget::eventFilter(watched, event);
}
