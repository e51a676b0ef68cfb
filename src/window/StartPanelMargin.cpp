// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/StartPanelMargin.h"

#include "window/TileLabel.h"

#include <QEvent>
#include <QPainter>

StartPanelMargin::StartPanelMargin(QWidget *panel)
    : QWidget(panel->parentWidget())
    , m_panel(panel)
{
    setObjectName(panel->objectName() + QStringLiteral("Margin"));
    QRect cut = panel->geometry();
    for (const TileLabel *tile : parentWidget()->findChildren<TileLabel *>(Qt::FindDirectChildrenOnly)) {
        if (tile->geometry().intersects(panel->geometry()))
            cut |= tile->geometry();
    }
    setGeometry(cut);
    stackUnder(panel);
    setVisible(!panel->isHidden());
    panel->installEventFilter(this);
}

// Filled here rather than as an opaque widget, which would cut the board's repaint into
// pieces that cost every letter drawn around it a slower copy.
void StartPanelMargin::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), m_panel->palette().brush(m_panel->backgroundRole()));
}

bool StartPanelMargin::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_panel && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        setVisible(event->type() == QEvent::ShowToParent);
    return QWidget::eventFilter(watched, event);
}
