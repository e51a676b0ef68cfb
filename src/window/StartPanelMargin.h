// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// Covers the panel and the tiles that it overlaps only in part, while the panel is shown, so
// that no slivers of their letters show along its edges. The panel keeps its own geometry
// and draws no ground of its own.
class StartPanelMargin : public QWidget
{
public:
    // Placed beneath `panel`, over the tiles (TileLabel siblings) that it cuts.
    explicit StartPanelMargin(QWidget *panel);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_panel;
};
