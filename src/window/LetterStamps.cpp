// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/LetterStamps.h"

#include <QRect>

#include <cmath>

namespace {

// Room for 26 letters in each of the four tile sizes that one scale step gives, and more.
constexpr int SheetColumns = 16;
constexpr int SheetRows = 8;
// Cells grow in steps of this many pixels, so that a growing window seldom needs a new sheet.
constexpr int CellStep = 16;

int roundedUp(int pixels)
{
    return (pixels + CellStep - 1) / CellStep * CellStep;
}

} // namespace

void LetterStamps::prepare(const QFont &font, const QColor &ink, const QColor &ground, qreal pixelRatio)
{
    if (font == m_font && ink == m_ink && ground == m_ground && pixelRatio == m_pixelRatio)
        return;
    finish();
    m_cells.clear();
    m_font = font;
    m_ink = ink;
    m_ground = ground;
    m_pixelRatio = pixelRatio;
}

void LetterStamps::draw(QPainter &painter, const QRect &tile, const QString &letter)
{
    if (letter.size() != 1) {
        painter.drawText(tile, Qt::AlignCenter, letter);
        return;
    }
    painter.drawImage(tile.topLeft(), m_sheet, stampFor(tile, letter.front()));
}

QRect LetterStamps::stampFor(const QRect &tile, QChar letter)
{
    // Tiles differ in size by a pixel once scaled, and a letter is centred in its own tile.
    const quint64 key = quint64(letter.unicode()) << 32 | quint64(quint16(tile.width())) << 16 | quint16(tile.height());
    const QSize pixels(std::lround(tile.width() * m_pixelRatio), std::lround(tile.height() * m_pixelRatio));
    const auto found = m_cells.constFind(key);
    if (found != m_cells.cend())
        return QRect(QPoint(*found % SheetColumns * m_cell.width(), *found / SheetColumns * m_cell.height()), pixels);

    if (pixels.width() > m_cell.width() || pixels.height() > m_cell.height()) {
        finish();
        m_cell = QSize(roundedUp(std::max(pixels.width(), m_cell.width())), roundedUp(std::max(pixels.height(), m_cell.height())));
        m_sheet = QImage(m_cell.width() * SheetColumns, m_cell.height() * SheetRows, QImage::Format_RGB32);
        m_cells.clear();
    } else if (m_cells.size() == SheetColumns * SheetRows) {
        m_cells.clear();
    }
    const int cell = int(m_cells.size());
    m_cells.insert(key, cell);
    const QRect stamp(QPoint(cell % SheetColumns * m_cell.width(), cell / SheetColumns * m_cell.height()), pixels);

    // Drawn on the tile's ground, as a label draws, so that the text keeps its subpixel smoothing.
    if (!m_sheetPainter) {
        m_sheet.setDevicePixelRatio(m_pixelRatio);
        m_sheetPainter = std::make_unique<QPainter>(&m_sheet);
        m_sheetPainter->setFont(m_font);
        m_sheetPainter->setPen(m_ink);
    }
    const QRectF logical(QPointF(stamp.topLeft()) / m_pixelRatio, tile.size());
    m_sheetPainter->fillRect(logical, m_ground);
    m_sheetPainter->drawText(logical, Qt::AlignCenter, QString(letter));
    return stamp;
}

void LetterStamps::finish()
{
    m_sheetPainter.reset();
}
