// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainter>

#include <memory>

class QRect;

// Each letter as a label would draw it centred in a tile, drawn once and then copied to every
// tile that shows it, so that a repaint of the board lays out and rasterises a letter once
// rather than for each of the 400 tiles.
class LetterStamps
{
public:
    // Keeps the stamps only while the letters would still be drawn alike.
    void prepare(const QFont &font, const QColor &ink, const QColor &ground, qreal pixelRatio);
    // Draws `letter` centred in `tile`, on the ground colour the stamps were prepared with.
    void draw(QPainter &painter, const QRect &tile, const QString &letter);
    // Done drawing for this repaint: lets go of the sheet's painter.
    void finish();

private:
    // The stamp's place on the sheet, in the sheet's pixels, drawn there first if need be.
    QRect stampFor(const QRect &tile, QChar letter);

    // All stamps on one image, cell by cell: a resize draws every letter again at its new
    // size, and one sheet reused is far kinder to memory than 100 small images.
    QImage m_sheet;
    // Open while a repaint makes new stamps, rather than begun again for each.
    std::unique_ptr<QPainter> m_sheetPainter;
    QSize m_cell;
    QHash<quint64, int> m_cells;
    QFont m_font;
    QColor m_ink;
    QColor m_ground;
    qreal m_pixelRatio = 0;
};
