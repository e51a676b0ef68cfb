// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/BoardSurface.h"

#include "core/GameModel.h"
#include "window/TileLabel.h"
#include "window/Twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The board is described by the tile under its cursor. Computed when asked: a stored
// description would tell readers of every change, and Orca 48 repeats each such change
// after the tile's own focus.
class BoardAccessible : public QAccessibleWidget
{
public:
    explicit BoardAccessible(BoardSurface *board)
        : QAccessibleWidget(board)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        const auto *board = static_cast<const BoardSurface *>(widget());
        if (kind == QAccessible::Description && board->cursorShown())
            return board->tile(board->cursor())->spokenName();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *boardInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("BoardSurface") && object && object->isWidgetType())
        return new BoardAccessible(static_cast<BoardSurface *>(object));
    return nullptr;
}

} // namespace

BoardSurface::BoardSurface(QWidget *parent)
    : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(boardInterface);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setObjectName(QStringLiteral("board"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Board"));
}

QRect BoardSurface::tileRect(int index) const
{
    return l[index]->geometry();
}

void BoardSurface::MakeGrid()
{
    for (int i = 0; i < Board::TileCount; ++i)
        AddTile(i);
}

void BoardSurface::AddTile(int n)
{
    l[n] = new TileLabel(n, this);
    l[n]->setAlignment(Qt::AlignCenter);
    l[n]->setGeometry(Twips::tileAt(Board::rowOf(n), Board::columnOf(n)));
    // Tiles made before the window shows are shown with it: showing each one now would
    // polish 400 widgets one at a time, which costs more than making them.
    if (isVisible())
        l[n]->show();
}

void BoardSurface::follow(const GameModel &model)
{
    m_model = &model;
    connect(&model, &GameModel::boardDealt, this, [this] { showLetters(m_model->letters()); });
    connect(&model, &GameModel::wordChanged, this, [this](const QString &, const QList<int> &tiles) { showWord(tiles); });
}

QString BoardSurface::spokenName(int index) const
{
    if (!m_model)
        return QString();
    const QString name = QStringLiteral("%1, row %2, column %3").arg(m_model->letter(index)).arg(Board::rowOf(index) + 1).arg(Board::columnOf(index) + 1);
    return m_model->inWord(index) ? name + QStringLiteral(", in the current word") : name;
}

void BoardSurface::showLetters(const QString &letters)
{
    // One shared caption per letter, rather than 400 strings made at every deal.
    static const std::array<QString, 26> alphabet = [] {
        std::array<QString, 26> captions;
        for (int c = 0; c < 26; ++c)
            captions[c] = QString(QLatin1Char(char('A' + c)));
        return captions;
    }();
    for (int i = 0; i < Board::TileCount; ++i) {
        const QChar letter = letters.at(i);
        l[i]->setText(letter >= u'A' && letter <= u'Z' ? alphabet[letter.unicode() - u'A'] : QString(letter));
    }
    update(tilesArea());
}

void BoardSurface::showWord(const QList<int> &tiles)
{
    for (const int tile : std::as_const(m_wordTiles))
        setTileMarked(tile, tiles.contains(tile));
    for (const int tile : tiles)
        setTileMarked(tile, true);
    m_wordTiles = tiles;
}

void BoardSurface::setTileMarked(int index, bool marked)
{
    const QFrame::Shape shape = marked ? QFrame::Box : QFrame::NoFrame;
    if (l[index]->frameShape() == shape)
        return;
    l[index]->setFrameShape(shape);
    update(tileRect(index));
    l[index]->announceNameChange();
}

void BoardSurface::moveCursor(int rows, int columns)
{
    const int row = std::clamp(Board::rowOf(m_cursor) + rows, 0, Board::Side - 1);
    const int column = std::clamp(Board::columnOf(m_cursor) + columns, 0, Board::Side - 1);
    const QRect before = tileRect(m_cursor);
    m_cursor = row * Board::Side + column;
    m_cursorShown = true;
    update(before.united(tileRect(m_cursor)).adjusted(-2, -2, 2, 2));
    if (before != tileRect(m_cursor))
        announceCursor();
}

void BoardSurface::takeFocusForPlay()
{
    m_cursor = 0;
    m_cursorShown = true;
    update();
    if (hasFocus())
        announceCursor();
    else
        setFocus(Qt::OtherFocusReason);
}

void BoardSurface::setColours(const QColor &letters, const QColor &line, const QColor &cell)
{
    m_letters = letters;
    m_cursorLine = line;
    m_cursorCell = cell;
    update();
}

QColor BoardSurface::letterColour() const
{
    return m_letters.isValid() ? m_letters : palette().color(QPalette::WindowText);
}

void BoardSurface::announceCursor()
{
    if (QAccessible::isActive() && hasFocus() && m_cursorShown) {
        QAccessibleEvent event(l[m_cursor], QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

QRect BoardSurface::tilesArea() const
{
    return tileRect(0).united(tileRect(Board::TileCount - 1));
}

void BoardSurface::keyPressEvent(QKeyEvent *event)
{
    // Keys the word list or a button leaves unused come here from them; they play nothing.
    if (!hasFocus()) {
        QWidget::keyPressEvent(event);
        return;
    }
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
    case Qt::Key_T:
        if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
            QWidget::keyPressEvent(event);
            return;
        }
        emit clockRequested();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void BoardSurface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QColor highlight = palette().color(hasFocus() ? QPalette::Active : QPalette::Inactive, QPalette::Highlight);
    const QColor line = m_cursorLine.isValid() ? m_cursorLine : highlight;
    if (hasFocus()) {
        // The focus frame, in the margin around the tiles.
        painter.setPen(QPen(line, 2));
        painter.drawRect(tilesArea().adjusted(-3, -3, 2, 2));
    }
    if (m_cursorShown) {
        // Drawn beneath the letter, which stays readable on top of it.
        const QRect cell = tileRect(m_cursor);
        painter.fillRect(cell, m_cursorCell.isValid() ? m_cursorCell : highlight.lighter(170));
        painter.setPen(QPen(line, 2));
        painter.drawRect(cell.adjusted(1, 1, -1, -1));
    }
    // Letters as each tile's label would draw them. The stamps need a plain ground beneath
    // the tiles and whole device pixels; elsewhere each letter is laid out where it stands.
    const QColor ink = letterColour();
    painter.setPen(ink);
    const qreal ratio = devicePixelRatioF();
    const QBrush &ground = palette().brush(QPalette::Window);
    const bool stamped = ground.style() == Qt::SolidPattern && ratio == std::floor(ratio) && qApp->styleSheet().isEmpty();
    if (stamped)
        m_stamps.prepare(font(), ink, ground.color(), ratio);
    const QRect dirty = event->rect();
    // Where opaque controls elsewhere on the board cut the repaint into pieces, each stamp
    // would be copied through a slower path; clipped to the tiles, the repaint is one piece.
    painter.setClipRect(dirty & tilesArea());
    for (int i = 0; i < Board::TileCount; ++i) {
        const QRect tile = tileRect(i);
        if (!tile.intersects(dirty))
            continue;
        if (stamped && !(m_cursorShown && i == m_cursor))
            m_stamps.draw(painter, tile, l[i]->text());
        else
            painter.drawText(tile, Qt::AlignCenter, l[i]->text());
        // The mark over the letter, kept inside its tile as the tile's own repaint would be:
        // at a fractional scale its edges would reach pixels that the tile's update leaves alone.
        if (l[i]->frameShape() != QFrame::NoFrame) {
            painter.save();
            painter.setClipRect(tile, Qt::IntersectClip);
            painter.translate(tile.topLeft());
            l[i]->drawMark(painter, ink);
            painter.restore();
        }
    }
    m_stamps.finish();
}

void BoardSurface::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    // Arriving by Tab is using the keyboard on the board; a click on a tile is not.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        m_cursorShown = true;
    update();
    // After Qt's own report that the board has the focus, so the tile is what a reader hears last.
    QMetaObject::invokeMethod(this, &BoardSurface::announceCursor, Qt::QueuedConnection);
}

void BoardSurface::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}
